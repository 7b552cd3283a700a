// "Record session..." around the stop rules that record.
#include "app/around_choice.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

rules::StopRule Rule(rules::RuleAction action, int pre, int post, bool enabled = true) {
    rules::StopRule r;
    r.action = action;
    r.pre = pre;
    r.post = post;
    r.enabled = enabled;
    r.condition = "tick = 30";
    return r;
}

TEST(AroundChoice, OnlyEnabledRecordRulesOfferItAndTheLargestBeforeIsKept) {
    const struct {
        std::vector<rules::StopRule> rules;
        int keep;
    } cases[] = {
        {{}, -1},
        {{Rule(rules::RuleAction::Hold, 50, 10), Rule(rules::RuleAction::Log, 70, 1)}, -1},
        {{Rule(rules::RuleAction::Record, 70, 1, false)}, -1},
        {{Rule(rules::RuleAction::Record, 4, 3)}, 4},
        {{Rule(rules::RuleAction::Record, 4, 3), Rule(rules::RuleAction::Record, 20, 0)}, 20},
        {{Rule(rules::RuleAction::Record, 0, 5)}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(AroundKeep(c.rules), c.keep);
}

TEST(AroundChoice, TheQuestionNamesEachRecordingRule) {
    const std::string text = AroundQuestion(
        {Rule(rules::RuleAction::Hold, 1, 1), Rule(rules::RuleAction::Record, 4, 3)});
    EXPECT_NE(text.find("rule 2: 4 dumps before, 3 after, when tick = 30"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("rule 1"), std::string::npos) << text;
}

TEST(AroundChoice, TheStatusBarCountsTheFilesWritten) {
    EXPECT_EQ(AroundStatusText("C:\\bench\\a.pcapng", 0),
              "Recording around rules: a.pcapng, 0 files so far");
    EXPECT_EQ(AroundStatusText("b.pcapng", 1), "Recording around rules: b.pcapng, 1 file so far");
}

}  // namespace
}  // namespace varnolux
