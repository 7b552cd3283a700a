// A rule typed into the Stop rules window: what is accepted, and what is
// refused with the field and the place of the fault.
#include "views/rules/rule_entry.h"

#include <gtest/gtest.h>

#include "text/text_util.h"
#include "views/rules/rule_fixture.h"

namespace varnolux {
namespace {

struct EntryTest : ::testing::Test {
    ThermostatProject project;
    std::vector<DumpChoice> choices = DumpChoices(project.points);
    RuleFields Fields(const char* condition, const char* hitCount = "") {
        RuleFields f;
        f.dumpChoice = 1;  // DumpID 3
        f.condition = condition;
        f.hitCount = hitCount;
        return f;
    }
};

TEST_F(EntryTest, TheDumpPointsAreChosenByName) {
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].dumpId, rules::kAnyDumpPoint);
    EXPECT_EQ(choices[1].dumpId, 3);
    EXPECT_NE(choices[1].name.find("heater loop"), std::string::npos);
    EXPECT_EQ(choices[2].dumpId, 7);
    EXPECT_EQ(DumpChoiceIndex(choices, 7), 2u);
    EXPECT_EQ(DumpChoiceIndex(choices, 99), 0u);
}

TEST(DumpChoices, AreInNumericOrderWhateverOrderTheSourcesNameThem) {
    DumpPointTable points;
    points.order = {20, 151, 150, 5, 20};
    for (int32_t id : points.order) points.entries[id].line = id;
    std::vector<int32_t> ids;
    for (const DumpChoice& c : DumpChoices(points)) ids.push_back(c.dumpId);
    EXPECT_EQ(ids, (std::vector<int32_t>{rules::kAnyDumpPoint, 5, 20, 150, 151}));
}

TEST_F(EntryTest, GoodFieldsMakeTheRule) {
    const struct {
        const char* condition;
        const char* hitCount;
        rules::RuleAction action;
        long hits;
    } cases[] = {
        {"TEMP > 23 And HEATER = 1", "", rules::RuleAction::Hold, 0},
        {"  temp >= setpoint  ", "3", rules::RuleAction::Hold, 3},
        {"", " 12 ", rules::RuleAction::Log, 12},
        {"counter <> 0", "0", rules::RuleAction::Record, 0},
    };
    for (const auto& c : cases) {
        RuleFields f = Fields(c.condition, c.hitCount);
        f.action = c.action;
        f.logTemplate = "T={TEMP}";
        f.pre = "20";
        f.post = "5";
        rules::StopRule rule;
        rules::RuleError error;
        ASSERT_TRUE(RuleOfFields(f, choices, project.records, project.points, rule, error))
            << c.condition << ": " << FaultText(error);
        EXPECT_EQ(rule.dumpId, 3);
        EXPECT_EQ(rule.hitCount, c.hits);
        EXPECT_EQ(rule.action, c.action);
        EXPECT_EQ(rule.condition, TrimBlanks(c.condition));
        EXPECT_EQ(rule.pre, 20);
        EXPECT_EQ(rule.post, 5);
    }
}

TEST_F(EntryTest, BadFieldsAreRefusedWithThePlaceOfTheFault) {
    const struct {
        const char* condition;
        const char* hitCount;
        const char* pre;
        rules::RuleField field;
        size_t column;
        const char* says;
    } cases[] = {
        {"TEMP > 23 And HEATR = 1", "", "0", rules::RuleField::Condition, 15, "HEATR"},
        {"temp2 > 3", "", "0", rules::RuleField::Condition, 1, "temp"},
        {"TEMP > ", "", "0", rules::RuleField::Condition, 0, ""},
        {"TEMP > 23", "-1", "0", rules::RuleField::HitCount, 0, "whole number"},
        {"TEMP > 23", "two", "0", rules::RuleField::HitCount, 0, "whole number"},
        {"TEMP > 23", "", "many", rules::RuleField::Around, 0, "whole numbers"},
    };
    for (const auto& c : cases) {
        RuleFields f = Fields(c.condition, c.hitCount);
        f.pre = c.pre;
        rules::StopRule rule;
        rule.condition = "untouched";
        rules::RuleError error;
        EXPECT_FALSE(RuleOfFields(f, choices, project.records, project.points, rule, error))
            << c.condition;
        EXPECT_EQ(error.field, c.field) << c.condition;
        if (c.column) {
            EXPECT_EQ(error.column, c.column) << c.condition;
        }
        EXPECT_NE(FaultText(error).find(c.says), std::string::npos) << FaultText(error);
        EXPECT_EQ(rule.condition, "untouched");
    }
}

TEST_F(EntryTest, ALongConditionAndLogLineAreTakenWhole) {
    const std::string longer = "TEMP > 1" + std::string(400, ' ') + "Or TEMP < 2";
    RuleFields f = Fields(longer.c_str());
    f.logTemplate = "T={TEMP}" + std::string(400, '.');
    rules::StopRule rule;
    rules::RuleError error;
    ASSERT_TRUE(RuleOfFields(f, choices, project.records, project.points, rule, error))
        << FaultText(error);
    EXPECT_EQ(rule.condition, longer);
    EXPECT_EQ(rule.logTemplate, f.logTemplate);
}

TEST_F(EntryTest, ARuleFillsTheFieldsItIsMadeFrom) {
    rules::StopRule rule;
    rule.dumpId = 7;
    rule.condition = "HEATER = 0";
    rule.hitCount = 4;
    rule.action = rules::RuleAction::Log;
    rule.logTemplate = "T={TEMP}";
    const RuleFields f = FieldsOfRule(rule, choices);
    rules::StopRule again;
    rules::RuleError error;
    ASSERT_TRUE(RuleOfFields(f, choices, project.records, project.points, again, error));
    EXPECT_EQ(again.dumpId, 7);
    EXPECT_EQ(again.condition, "HEATER = 0");
    EXPECT_EQ(again.hitCount, 4);
    EXPECT_EQ(again.action, rules::RuleAction::Log);
    EXPECT_EQ(again.logTemplate, "T={TEMP}");
}

}  // namespace
}  // namespace varnolux
