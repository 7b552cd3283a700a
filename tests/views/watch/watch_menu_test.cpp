// The Watch window's menu items that need the target.
#include <gtest/gtest.h>

#include "seams/main_ids.h"
#include "seams/views.h"
#include "views/watch/watch_menu.h"

namespace varnolux {
namespace {

TEST(WatchMenu, TargetItemsAreGreyUntilTheFirstDump) {
    Session s;
    s.device.Core = 16;
    WatchMenuStates m = ComputeWatchMenuStates(s);
    EXPECT_FALSE(m.protonIdeEnabled || m.eepromEnabled || m.dataSheetEnabled || m.errataEnabled ||
                 m.resetEnabled);
    s.run.CommsEstablished = 1;
    m = ComputeWatchMenuStates(s);
    EXPECT_TRUE(m.protonIdeEnabled && m.eepromEnabled && m.dataSheetEnabled && m.errataEnabled &&
                m.resetEnabled);
}

TEST(WatchMenu, ResetStaysGreyOnACore14Device) {
    Session s;
    s.device.Core = 14;
    s.run.CommsEstablished = 1;
    const WatchMenuStates m = ComputeWatchMenuStates(s);
    EXPECT_FALSE(m.resetEnabled);
    EXPECT_TRUE(m.protonIdeEnabled);
}

TEST(WatchMenu, EachStateEnablesItsOwnCommand) {
    WatchMenuStates m;
    m.eepromEnabled = true;
    m.resetEnabled = true;
    const auto items = WatchMenuEnabled(m);
    ASSERT_EQ(items.size(), 5u);
    for (const auto& [id, enabled] : items)
        EXPECT_EQ(enabled, id == ids::kCmdViewEeprom || id == ids::kCmdReset) << id;
}

TEST(WatchMenu, ItsCommandsAreTheMainWindowsOnesAndOpenTheirWindows) {
    EXPECT_EQ(WatchMenuCommands().size(), 17u);
    EXPECT_TRUE(IsWatchMenuCommand(ids::kCmdViewPlot)) << "forwarded to the main window";
    EXPECT_TRUE(IsWatchMenuCommand(ids::kCmdViewStopRules));
    EXPECT_TRUE(IsWatchMenuCommand(ids::kCmdReset));
    EXPECT_TRUE(IsWatchMenuCommand(ids::kCmdHelp));
    EXPECT_FALSE(IsWatchMenuCommand(ids::kCmdExit)) << "not in the Watch window's menu";
    EXPECT_FALSE(IsWatchMenuCommand(1)) << "Enter in the window is no menu command";
    EXPECT_EQ(ViewOfCommand(ids::kCmdWatchViewPort), ViewKind::Port);
    EXPECT_EQ(ViewOfCommand(ids::kCmdWatchViewSource), ViewKind::Source);
    EXPECT_EQ(ViewOfCommand(ids::kCmdWatchAbout), ViewKind::About);
    EXPECT_EQ(ViewOfCommand(ids::kCmdViewStopRules), ViewKind::StopRules);
}

}  // namespace
}  // namespace varnolux
