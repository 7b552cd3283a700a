// The Watch window's menu items that need the target.
#include <gtest/gtest.h>

#include "views/watch_menu.h"

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

}  // namespace
}  // namespace varnolux
