// The settings writer killed at many moments during a save leaves a complete
// file, the old or the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include "seams/posix/posix_host_os.h"
#include "seams/settings_file.h"

namespace varnolux {
namespace {

// A settings file big enough that a save takes many system calls (every
// watched item of a large project), with one key a save flips.
std::string SettingsText(char mark) {
    std::string text =
        "[Comms]\r\nPort=3\r\nMark=" + std::string(1, mark) + "\r\n[Watched Items]\r\n";
    for (int i = 0; i < 20000; ++i)
        text += "Watch" + std::to_string(i) + "=Sensor_Reading_" + std::to_string(i) + "\r\n";
    return text;
}

struct TempFolder {
    TempFolder() {
        char tmpl[] = "/tmp/varnolux-crash-XXXXXX";
        path = ::mkdtemp(tmpl) ? tmpl : "";
    }
    ~TempFolder() { EXPECT_EQ(std::system(("rm -rf '" + path + "'").c_str()), 0); }
    std::string path;
};

TEST(SettingsWriteKilled, AlwaysLeavesTheOldFileOrTheNewOne) {
    TempFolder folder;
    ASSERT_FALSE(folder.path.empty());
    const std::string ini = folder.path + "/Varnolux.ini";
    const std::string a = SettingsText('a');
    const std::string b = SettingsText('b');
    PosixHostOs os;
    ASSERT_TRUE(os.WriteFile(ini, a));
    // Kills fall within a few saves' time, however fast this machine saves.
    const auto start = std::chrono::steady_clock::now();
    IniWrite(os, ini, "Comms", "Mark", "b");
    const auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
    const useconds_t longest = static_cast<useconds_t>(std::max<int64_t>(20000, 3 * saveUs));
    ASSERT_TRUE(os.WriteFile(ini, a));
    std::mt19937 random(28);
    int newFiles = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the other contents over and over until it is killed.
            PosixHostOs own;
            for (int save = 0;; ++save) {
                const std::string mark = save % 2 == 0 ? "b" : "a";
                IniWrite(own, ini, "Comms", "Mark", mark);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, longest)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string now = os.ReadFile(ini).value_or("<missing>");
        ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
        newFiles += now == b;
        ASSERT_TRUE(os.WriteFile(ini, a));
    }
    EXPECT_GT(newFiles, 0) << "no save was ever finished before a kill";
}

TEST(SettingsWriteRefused, AReadOnlyFileIsLeftAsItWas) {
    TempFolder folder;
    const std::string ini = folder.path + "/Varnolux.ini";
    PosixHostOs os;
    ASSERT_TRUE(os.WriteFile(ini, "[Comms]\r\nPort=3\r\n"));
    ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
    EXPECT_EQ(IniWrite(os, ini, "Comms", "Port", "4"), SettingsWrite::Failed);
    EXPECT_EQ(os.ReadFile(ini).value_or(""), "[Comms]\r\nPort=3\r\n");
}

}  // namespace
}  // namespace varnolux
