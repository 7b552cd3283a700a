#include "seams/settings_file.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_prompts.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";
const std::string kOld = "[Comms]\r\nPort=3\r\n";

TEST(EditSettingsFile, WritesTheWholeEditOnceOrNothing) {
    struct Case {
        const char* name;
        bool readOnly;
        std::string value;
        SettingsWrite result;
        std::string after;
    };
    const Case cases[] = {
        {"a change", false, "4", SettingsWrite::Written, "[Comms]\r\nPort=4\r\nBaud=0\r\n"},
        {"the same values", false, "3", SettingsWrite::Unchanged, kOld + "Baud=0\r\n"},
        {"a read-only file", true, "4", SettingsWrite::Failed, kOld},
    };
    for (const Case& c : cases) {
        MemoryHostOs os;
        os.PutFile(kIni, c.result == SettingsWrite::Unchanged ? kOld + "Baud=0\r\n" : kOld);
        os.SetReadOnly(kIni, c.readOnly);
        int writesSeen = 0;
        const SettingsWrite result = EditSettingsFile(os, kIni, [&](IniDocument& doc) {
            doc.Write("Comms", "Port", c.value);
            doc.Write("Comms", "Baud", "0");
            ++writesSeen;
        });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(*os.ReadFile(kIni), c.after) << c.name;
        EXPECT_EQ(writesSeen, 1) << c.name;
    }
}

TEST(EditSettingsFile, AFileThatCannotBeReadIsNotReplaced) {
    MemoryHostOs os;
    os.PutFile(kIni, kOld);
    os.SetUnreadable(kIni, true);
    EXPECT_EQ(IniWrite(os, kIni, "Comms", "Port", "9"), SettingsWrite::Failed);
    os.SetUnreadable(kIni, false);
    EXPECT_EQ(*os.ReadFile(kIni), kOld);
}

TEST(ReportSettingsWrite, AFailureIsToldOnceARun) {
    MemoryPrompts prompts;
    std::atomic<int32_t> reported{0};
    ReportSettingsWrite(SettingsWrite::Written, reported, prompts, kIni);
    ReportSettingsWrite(SettingsWrite::Unchanged, reported, prompts, kIni);
    EXPECT_TRUE(prompts.shown.empty());
    ReportSettingsWrite(SettingsWrite::Failed, reported, prompts, kIni);
    ReportSettingsWrite(SettingsWrite::Failed, reported, prompts, kIni);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find(kIni), std::string::npos);
    EXPECT_NE(prompts.shown[0].text.find("read-only"), std::string::npos);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Exclamation);
}

}  // namespace
}  // namespace varnolux
