#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/settings_io.h"
#include "app/settings_keys.h"
#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

TEST(DefaultSettingsFile, HoldsEveryKeyTheProgramReadsAtItsDefault) {
    const IniDocument doc(DefaultSettingsFile());
    const Settings defaults;
    ASSERT_GT(SettingKeys().size(), 60u);
    for (const SettingKey& key : SettingKeys()) {
        std::string value;
        // Example paths are there commented out, so they read as their defaults.
        ASSERT_EQ(doc.Find(key.section, key.key, value), !key.example) << key.key;
        const std::string line = std::string(key.example ? ";" : "") + key.key + "=" +
                                 SettingText(defaults, key) + "\r\n";
        EXPECT_NE(DefaultSettingsFile().find("\n" + line), std::string::npos) << line;
    }
    MemoryHostOs os;
    os.PutFile(kIni, DefaultSettingsFile());
    Settings loaded;
    loaded.Port = 9;
    loaded.PropFont = "Arial";
    LoadSettings(loaded, os, kIni);
    for (const SettingKey& key : SettingKeys())
        EXPECT_EQ(SettingText(loaded, key), SettingText(defaults, key)) << key.key;
}

TEST(DefaultSettingsFile, EveryKeyLineFollowsItsOneLineComment) {
    std::istringstream lines(DefaultSettingsFile());
    std::string line, previous;
    int keys = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty()) << "lines end in CR LF";
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        // "; " begins a comment, ";Key=" an example key commented out.
        if (!line.empty() && line.rfind("; ", 0) != 0 && line[0] != '[') {
            ++keys;
            EXPECT_NE(line.find('='), std::string::npos) << line;
            EXPECT_EQ(previous.rfind("; ", 0), 0u) << "no comment before " << line;
        }
        previous = line;
    }
    EXPECT_EQ(keys, static_cast<int>(SettingKeys().size()));
}

// Each key reaches its own field and no other: a file holding only that key
// changes that key's value and leaves every other at its default.
TEST(SettingKeys, EachKeyLoadsIntoItsOwnField) {
    const Settings defaults;
    std::set<std::string> seen;
    for (const SettingKey& key : SettingKeys()) {
        EXPECT_TRUE(seen.insert(std::string(key.section) + "/" + key.key).second)
            << "twice: " << key.key;
        const std::string value = key.text                        ? "Elsewhere"
                                  : key.number == &Settings::Baud ? "9600"
                                                                  : "7";
        MemoryHostOs os;
        os.PutFile(kIni, "[" + std::string(key.section) + "]\r\n" + key.key + "=" + value + "\r\n");
        Settings s;
        LoadSettings(s, os, kIni);
        for (const SettingKey& other : SettingKeys()) {
            if (&other == &key)
                EXPECT_EQ(SettingText(s, other), value) << key.key;
            else
                EXPECT_EQ(SettingText(s, other), SettingText(defaults, other))
                    << key.key << " also changed " << other.key;
        }
    }
}

}  // namespace
}  // namespace varnolux
