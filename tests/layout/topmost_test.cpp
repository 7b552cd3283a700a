#include "layout/topmost.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

// A window's own flag, toggled from its item's text, makes it topmost; the
// main window's flag stays.
void ExpectOwnFlagMadeTopMost(Settings& s, int32_t& flag) {
    auto made = ToggleTopMost(flag, TopMostItemText(flag));
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->topmost);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(s.AlwaysOnTop, 0) << "the main window's flag stays";
}

TEST(TopMost, ItemTextFollowsTheSetting) {
    EXPECT_EQ(TopMostItemText(0), "&Make TopMost");
    EXPECT_EQ(TopMostItemText(1), "&Undo TopMost");
}

TEST(TopMost, ToggleGoesBackAndForth) {
    Settings s;
    auto made = ToggleTopMost(s, TopMostItemText(s.AlwaysOnTop));
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->topmost);
    EXPECT_EQ(s.AlwaysOnTop, 1);
    auto undone = ToggleTopMost(s, made->itemText);
    ASSERT_TRUE(undone);
    EXPECT_FALSE(undone->topmost);
    EXPECT_EQ(undone->itemText, "&Make TopMost");
    EXPECT_EQ(s.AlwaysOnTop, 0);
}

TEST(TopMost, AnAuxiliaryWindowTogglesItsOwnFlagOnly) {
    Settings s;
    ExpectOwnFlagMadeTopMost(s, s.AlwaysOnTopS);
    EXPECT_FALSE(ToggleTopMost(s.AlwaysOnTopS, "Close"));
    EXPECT_EQ(s.AlwaysOnTopS, 1);
}

TEST(TopMost, UnknownItemTextChangesNothing) {
    Settings s;
    s.AlwaysOnTop = 1;
    EXPECT_FALSE(ToggleTopMost(s, "Move"));
    EXPECT_EQ(s.AlwaysOnTop, 1);
}

TEST(TopMost, TheWatchWindowTogglesItsOwnSetting) {
    Settings s;
    ExpectOwnFlagMadeTopMost(s, s.AlwaysOnTopW);
}

}  // namespace
}  // namespace varnolux
