// What the main window shows of a rule that fired.
#include "views/rules/rule_texts.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(RuleTexts, TheStatusBarNamesTheRuleAndTheDumpId) {
    rules::Firing firing;
    firing.rule = 1;
    firing.DumpId = 3;
    firing.summary = "hold when TEMP > 23 at DumpID 3";
    EXPECT_EQ(FiringStatusText(firing),
              " Rule 2 fired at DumpID 3: hold when TEMP > 23 at DumpID 3");
}

TEST(RuleTexts, TheTitleCarriesOneMarkOfTheHoldAtATime) {
    const std::string title = "Varnolux  C:\\demo\\thermo";
    const struct {
        std::string before;
        HoldShown hold;
        size_t rule;
        int32_t dumpId;
        std::string after;
    } cases[] = {
        {title, HoldShown::Held, 0, 3, title + "   [held by rule 1 at DumpID 3]"},
        {title + "   [held by rule 1 at DumpID 3]", HoldShown::Frozen, 2, 7,
         title + "   [frozen by rule 3 at DumpID 7]"},
        {title + "   [frozen by rule 3 at DumpID 7]", HoldShown::None, 0, 0, title},
        {title, HoldShown::None, 0, 0, title},
        {"Varnolux   [odd] name", HoldShown::None, 0, 0, "Varnolux   [odd] name"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleWithHold(c.before, c.hold, c.rule, c.dumpId), c.after) << c.before;
}

TEST(RuleTexts, TheLogFileIsInTheProjectFolder) {
    EXPECT_EQ(RuleLogPath("C:\\demo\\", "thermo"), "C:\\demo\\thermo.rules.log");
}

}  // namespace
}  // namespace varnolux
