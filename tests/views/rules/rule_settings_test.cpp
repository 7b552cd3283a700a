// The stop rules' section of the settings file: what is written reads back as
// it was, a hand-edited file is read as far as it makes sense, and nothing
// else of the file changes.
#include "views/rules/rule_settings.h"

#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

constexpr const char* kIni = "C:\\Varnolux\\Varnolux.ini";

rules::StopRule Rule(bool enabled, int32_t dumpId, const char* condition, long hitCount,
                     rules::RuleAction action, const char* logTemplate = "", int pre = 50,
                     int post = 10) {
    return rules::StopRule{enabled, dumpId, condition, hitCount, action, logTemplate, pre, post};
}

bool Same(const rules::StopRule& a, const rules::StopRule& b) {
    return a.enabled == b.enabled && a.dumpId == b.dumpId && a.condition == b.condition &&
           a.hitCount == b.hitCount && a.action == b.action && a.logTemplate == b.logTemplate &&
           a.pre == b.pre && a.post == b.post;
}

TEST(StopRuleSettings, EveryKindOfRuleReadsBackAsItWasWritten) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Preferences]\r\nFontSizeW=9\r\n");
    StopRuleSettings written;
    written.logToFile = true;
    written.rules = {
        Rule(true, 3, "TEMP > 23 And HEATER = 1", 0, rules::RuleAction::Hold),
        Rule(false, rules::kAnyDumpPoint, "", 5, rules::RuleAction::Log, "T={TEMP} H={HEATER}"),
        Rule(true, 7, "counter < prev(counter)", 2, rules::RuleAction::Record, "", 30, 4),
    };
    ASSERT_EQ(WriteStopRuleSettings(os, kIni, written), SettingsWrite::Written);
    const StopRuleSettings read = ReadStopRuleSettings(os, kIni);
    EXPECT_TRUE(read.logToFile);
    ASSERT_EQ(read.rules.size(), written.rules.size());
    for (size_t i = 0; i < read.rules.size(); ++i)
        EXPECT_TRUE(Same(read.rules[i], written.rules[i])) << "rule " << i + 1;
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "FontSizeW", ""), "9");
    EXPECT_EQ(IniRead(os, kIni, kStopRulesSection, "Rule1", ""), "1,3,hold,0,50,10");
}

TEST(StopRuleSettings, LongConditionsAndLogLinesSurviveASaveAndALoad) {
    std::string condition = "TEMP > 23";
    while (condition.size() < 400) condition += " Or COUNTER = " + std::to_string(condition.size());
    const std::string log = "T={TEMP}" + std::string(400, '-') + "{HEATER}";
    MemoryHostOs os;
    StopRuleSettings written;
    written.rules = {Rule(true, 3, condition.c_str(), 0, rules::RuleAction::Log, log.c_str())};
    WriteStopRuleSettings(os, kIni, written);
    const StopRuleSettings read = ReadStopRuleSettings(os, kIni);
    ASSERT_EQ(read.rules.size(), 1u);
    EXPECT_EQ(read.rules[0].condition, condition);
    EXPECT_EQ(read.rules[0].logTemplate, log);
}

TEST(StopRuleSettings, FewerRulesThanBeforeLeaveNoStaleRuleBehind) {
    MemoryHostOs os;
    StopRuleSettings settings;
    settings.rules = {Rule(true, 1, "A = 1", 0, rules::RuleAction::Hold),
                      Rule(true, 2, "B = 2", 0, rules::RuleAction::Hold)};
    WriteStopRuleSettings(os, kIni, settings);
    settings.rules.erase(settings.rules.begin());
    WriteStopRuleSettings(os, kIni, settings);
    const StopRuleSettings read = ReadStopRuleSettings(os, kIni);
    ASSERT_EQ(read.rules.size(), 1u);
    EXPECT_EQ(read.rules[0].condition, "B = 2");
    EXPECT_EQ(IniRead(os, kIni, kStopRulesSection, "Condition2", "<missing>"), "");
}

TEST(StopRuleSettings, AHandEditedFileIsReadAsFarAsItMakesSense) {
    const struct {
        const char* ruleKey;
        bool read;
    } cases[] = {
        {"1,3,hold,0,50,10", true},
        {" 0 , -1 , LOG , 4 , 0 , 0 ", true},
        {"1,3,stop,0,50,10", false},
        {"1,3,hold,-2,50,10", false},
        {"1,300,hold,0,50,10", false},
        {"2,3,hold,0,50,10", false},
        {"1,3,hold,0,50", false},
        {"1,3,hold,0,50,10,9", false},
        {"", false},
    };
    for (const auto& c : cases) {
        MemoryHostOs os;
        os.PutFile(kIni, std::string("[Stop Rules]\r\nCount=1\r\nRule1=") + c.ruleKey +
                             "\r\nCondition1=TEMP>23\r\n");
        const StopRuleSettings read = ReadStopRuleSettings(os, kIni);
        EXPECT_EQ(read.rules.size(), c.read ? 1u : 0u) << c.ruleKey;
        if (c.read && !read.rules.empty()) {
            EXPECT_EQ(read.rules[0].condition, "TEMP>23");
        }
    }
}

TEST(StopRuleSettings, NoSectionMeansNoRulesAndNoLogFile) {
    MemoryHostOs os;
    const StopRuleSettings read = ReadStopRuleSettings(os, kIni);
    EXPECT_TRUE(read.rules.empty());
    EXPECT_FALSE(read.logToFile);
}

TEST(StopRuleSettings, NoRulesAddNoSectionButEmptyASectionThatHadSome) {
    MemoryHostOs os;
    const std::string text = "[Preferences]\r\nFontSizeW=9\r\n";
    os.PutFile(kIni, text);
    EXPECT_EQ(WriteStopRuleSettings(os, kIni, StopRuleSettings{}), SettingsWrite::Unchanged);
    EXPECT_EQ(*os.ReadFile(kIni), text);
    StopRuleSettings one;
    one.rules = {Rule(true, 1, "A = 1", 0, rules::RuleAction::Hold)};
    WriteStopRuleSettings(os, kIni, one);
    WriteStopRuleSettings(os, kIni, StopRuleSettings{});
    EXPECT_TRUE(ReadStopRuleSettings(os, kIni).rules.empty());
    EXPECT_EQ(IniRead(os, kIni, kStopRulesSection, "Count", ""), "0");
}

TEST(StopRuleSettings, AFileThatCannotBeReadIsNotReplaced) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Preferences]\r\nFontSizeW=9\r\n");
    os.SetUnreadable(kIni, true);
    StopRuleSettings settings;
    settings.rules = {Rule(true, 1, "A = 1", 0, rules::RuleAction::Hold)};
    EXPECT_EQ(WriteStopRuleSettings(os, kIni, settings), SettingsWrite::Failed);
    os.SetUnreadable(kIni, false);
    EXPECT_EQ(*os.ReadFile(kIni), "[Preferences]\r\nFontSizeW=9\r\n");
}

}  // namespace
}  // namespace varnolux
