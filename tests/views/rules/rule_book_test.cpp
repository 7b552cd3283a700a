// The rules list of the Stop rules window: every edit arms the whole list or
// changes nothing, and the list shows the rules with their hits.
#include "views/rules/rule_book.h"

#include <gtest/gtest.h>

#include "views/rules/rule_fixture.h"
#include "views/rules/rule_rows.h"

namespace varnolux {
namespace {

rules::StopRule Hold(int32_t dumpId, const char* condition) {
    rules::StopRule r;
    r.dumpId = dumpId;
    r.condition = condition;
    return r;
}

struct BookTest : ::testing::Test {
    ThermostatProject project;
    rules::StopRules armed;
    RuleBook book{armed};
    std::string fault;
};

TEST_F(BookTest, AddedRulesAreArmedInTheirOrder) {
    ASSERT_TRUE(book.Add(Hold(3, "TEMP > 23"), project.records, project.points, fault)) << fault;
    ASSERT_TRUE(book.Add(Hold(7, "HEATER = 1"), project.records, project.points, fault)) << fault;
    const auto rules = armed.Rules();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].condition, "TEMP > 23");
    EXPECT_EQ(rules[1].dumpId, 7);
    EXPECT_TRUE(book.Armed());
}

TEST_F(BookTest, ARefusedEditChangesNothingAndNamesTheRuleAndPlace) {
    ASSERT_TRUE(book.Add(Hold(3, "TEMP > 23"), project.records, project.points, fault));
    EXPECT_FALSE(book.Add(Hold(3, "TEMP > 23 Or HEATR"), project.records, project.points, fault));
    EXPECT_EQ(fault.rfind("Rule 2: Condition, column 14: ", 0), 0u) << fault;
    EXPECT_FALSE(book.Replace(0, Hold(3, "TEMP >"), project.records, project.points, fault));
    EXPECT_EQ(fault.rfind("Rule 1: Condition", 0), 0u) << fault;
    ASSERT_EQ(book.Entered().size(), 1u);
    EXPECT_EQ(book.Entered()[0].condition, "TEMP > 23");
    ASSERT_EQ(armed.Rules().size(), 1u);
    EXPECT_EQ(armed.Rules()[0].condition, "TEMP > 23");
}

TEST_F(BookTest, RulesFromTheSettingsThatTheProjectNoLongerKnowsArmNothing) {
    book.Load({Hold(3, "TEMP > 23"), Hold(7, "oldName = 1")});
    EXPECT_FALSE(book.ArmEntered(project.records, project.points, fault));
    EXPECT_EQ(fault.rfind("Rule 2: Condition, column 1: ", 0), 0u) << fault;
    EXPECT_TRUE(armed.Empty());
    EXPECT_FALSE(book.Armed());
    EXPECT_EQ(book.Entered().size(), 2u);  // kept to be mended
    ASSERT_TRUE(book.Replace(1, Hold(7, "counter = 1"), project.records, project.points, fault));
    EXPECT_EQ(armed.Rules().size(), 2u);
}

TEST_F(BookTest, RemovingAndSwitchingRules) {
    book.Load({Hold(3, "TEMP > 23"), Hold(7, "HEATER = 1")});
    ASSERT_TRUE(book.ArmEntered(project.records, project.points, fault)) << fault;
    book.SetEnabled(1, false);
    EXPECT_FALSE(armed.Rules()[1].enabled);
    EXPECT_FALSE(book.Entered()[1].enabled);
    ASSERT_TRUE(book.Remove(0, project.records, project.points, fault));
    ASSERT_EQ(armed.Rules().size(), 1u);
    EXPECT_EQ(armed.Rules()[0].condition, "HEATER = 1");
    EXPECT_FALSE(armed.Rules()[0].enabled);
}

TEST_F(BookTest, TheListShowsTheBuiltInRulesThenEachRuleWithItsHits) {
    rules::StopRule log = Hold(rules::kAnyDumpPoint, "");
    log.action = rules::RuleAction::Log;
    log.logTemplate = "T={TEMP}";
    log.enabled = false;
    rules::StopRule record = Hold(7, "counter = 0");
    record.action = rules::RuleAction::Record;
    record.pre = 20;
    record.post = 5;
    record.hitCount = 2;
    std::vector<rules::RuleState> states(3);
    states[0].hits = 4;
    states[2].error = "division by zero at DumpID 7";
    RunControlRules runControl;
    runControl.untilDumpId = 3;
    runControl.untilCount = "05";
    const auto rows =
        RuleRows({Hold(3, "TEMP > 23"), log, record}, states, project.points, runControl);
    ASSERT_EQ(rows.size(), kBuiltInRuleRows + 3);
    EXPECT_TRUE(rows[0].builtIn);
    EXPECT_FALSE(rows[0].enabled);  // Repeat not chosen
    EXPECT_TRUE(rows[1].enabled);   // Untill at DumpID 3, 5 more arrivals
    EXPECT_NE(rows[1].texts[kColDumpPoint].find("heater loop"), std::string::npos);
    EXPECT_EQ(rows[1].texts[kColHitCount], "05");
    const RuleRow& hold = rows[2];
    EXPECT_FALSE(hold.builtIn);
    EXPECT_TRUE(hold.enabled);
    EXPECT_EQ(hold.texts[kColCondition], "TEMP > 23");
    EXPECT_EQ(hold.texts[kColAction], "hold");
    EXPECT_EQ(hold.texts[kColHits], "4");
    EXPECT_FALSE(rows[3].enabled);
    EXPECT_EQ(rows[3].texts[kColCondition], "(every arrival)");
    EXPECT_EQ(rows[3].texts[kColAction], "log: T={TEMP}");
    EXPECT_EQ(rows[4].texts[kColHitCount], "2");
    EXPECT_EQ(rows[4].texts[kColAction], "record 20 + 5");
    EXPECT_EQ(rows[4].texts[kColHits], "0  division by zero at DumpID 7");
}

}  // namespace
}  // namespace varnolux
