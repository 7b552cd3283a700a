// The Watch window's place, column widths and history depth, and the keys it
// keeps in "Watch Placement".
#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "support/memory_session_rig.h"
#include "views/watch/watch_placement.h"

namespace varnolux {
namespace {

const Rect kWork{0, 0, 1280, 994};
constexpr const char* kIni = "C:\\Varnolux\\Varnolux.ini";

TEST(WatchDepth, ChangingTheDepthMovesTheLeftEdgeByValueWidths) {
    // 2 to 5: three Value widths wider to the left; 5 to 0: five narrower.
    EXPECT_EQ(DepthChangeLeftShift(2, 5, 100), -300);
    EXPECT_EQ(DepthChangeLeftShift(5, 0, 100), 500);
    EXPECT_EQ(DepthChangeLeftShift(3, 3, 120), 0);
}

TEST(WatchDepth, TypedDepthsAboveSevenBecomeSeven) {
    struct Case {
        const char* typed;
        int depth;
        bool replaced;
    };
    const Case cases[] = {
        {"9", 7, true},  {"7", 7, false}, {"0", 0, false},  {"", 0, false},
        {"12", 7, true}, {"3", 3, false}, {"07", 7, false}, {"99999999999999", 7, true}};
    for (const Case& c : cases) {
        const DepthEntry e = ReadDepthText(c.typed);
        EXPECT_EQ(e.depth, c.depth) << c.typed;
        EXPECT_EQ(e.replaced, c.replaced) << c.typed;
    }
}

TEST(WatchDepth, HistoryColumnsWithinTheDepthAreAsWideAsValue) {
    const auto widths = WatchColumnWidths(150, 90, 3);
    const std::array<int32_t, kWatchColumns> expected{150, 90, 90, 90, 90, 0, 0, 0, 0, 0};
    EXPECT_EQ(widths, expected);
    const auto deepest = WatchColumnWidths(150, 90, 7);
    EXPECT_EQ(deepest[kWatchColFirstHistory + 6], 90);
    EXPECT_EQ(deepest[kWatchColFirstHistory + 7], 0) << "the eighth history column never shows";
}

TEST(WatchPlacementSettings, StoredWidthsOfZeroGiveTheBuiltInOnes) {
    EXPECT_EQ(WatchLabelWidth(0), 150);
    EXPECT_EQ(WatchValueWidth(0), 100);
    EXPECT_EQ(WatchLabelWidth(180), 180);
    EXPECT_EQ(WatchValueWidth(64), 64);
}

TEST(WatchPlacementSettings, ReadsTheSectionWithItsDefaults) {
    MemoryHostOs os;
    EXPECT_EQ(ReadWatchPlacement(os, kIni).historyDepth, 0) << "no file";
    os.PutFile(kIni,
               "[Watch Placement]\r\nLeft=700\r\nRight=1068\r\nTop=40\r\nBottom=513\r\n"
               "Column0=170\r\nColumn1= 80 \r\nHistoryDepth=3\r\n");
    const WatchPlacement p = ReadWatchPlacement(os, kIni);
    EXPECT_EQ(p.stored, (Rect{700, 40, 1068, 513}));
    EXPECT_EQ(p.column0, 170);
    EXPECT_EQ(p.column1, 80);
    EXPECT_EQ(p.historyDepth, 3);
}

TEST(WatchPlacementSettings, AStoredDepthOutsideTheUpDownsRangeIsBroughtIntoIt) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Watch Placement]\r\nHistoryDepth=12\r\n");
    EXPECT_EQ(ReadWatchPlacement(os, kIni).historyDepth, 7);
    os.PutFile(kIni, "[Watch Placement]\r\nHistoryDepth=-2\r\n");
    EXPECT_EQ(ReadWatchPlacement(os, kIni).historyDepth, 0);
}

TEST(WatchPlacementSettings, TheWindowOpensWhereItIsCreatedWhenNothingIsStored) {
    EXPECT_EQ(WatchWindowRect(Rect{}, kWork), kWatchCreatedRect);
    const Rect grown = WatchWindowRect(Rect{}, kWork, 192);
    EXPECT_EQ(grown.right - grown.left, 2 * (kWatchCreatedRect.right - kWatchCreatedRect.left));
    // A stored place from a larger screen is moved into the work area.
    EXPECT_EQ(WatchWindowRect(Rect{1100, 40, 1468, 513}, kWork), (Rect{912, 40, 1280, 513}));
    EXPECT_EQ(WatchWindowRect(Rect{700, 40, 1068, 513}, kWork), (Rect{700, 40, 1068, 513}));
}

class WatchSave : public ::testing::Test {
  protected:
    WatchSave() {
        rig.session.project.settingsPath = kIni;
        rig.os.PutFile(kIni,
                       "[Preferences]\r\nAlwaysOnTopW=0\r\n[Watch Placement]\r\n"
                       "WatchVisible=1\r\n");
        closing.placementAvailable = true;
        closing.normal = Rect{700, 40, 1068, 513};
        closing.labelWidth = 160;
        closing.valueWidth = 90;
        closing.depthText = "4";
        closing.topmost = true;
    }
    std::string Key(const char* section, const char* key) {
        return IniRead(rig.os, kIni, section, key, "missing");
    }
    MemorySessionRig<> rig;
    WatchClosing closing;
};

TEST_F(WatchSave, WritesItsKeysAndTheTopmostState) {
    EXPECT_TRUE(SaveWatchPlacement(rig.session, rig.os, rig.prompts, closing));
    EXPECT_EQ(Key("Watch Placement", "Column0"), "160");
    EXPECT_EQ(Key("Watch Placement", "Column1"), "90");
    EXPECT_EQ(Key("Watch Placement", "HistoryDepth"), "4");
    EXPECT_EQ(Key("Watch Placement", "Left"), "700");
    EXPECT_EQ(Key("Watch Placement", "Right"), "1068");
    EXPECT_EQ(Key("Watch Placement", "Top"), "40");
    EXPECT_EQ(Key("Watch Placement", "Bottom"), "513");
    EXPECT_EQ(Key("Preferences", "AlwaysOnTopW"), "1");
    EXPECT_EQ(Key("Watch Placement", "WatchVisible"), "1") << "the main window's key stays";
    EXPECT_EQ(rig.session.settings.AlwaysOnTopW, 1);
}

TEST_F(WatchSave, WithoutAPlacementTheRectangleKeysAreNotWritten) {
    closing.placementAvailable = false;
    SaveWatchPlacement(rig.session, rig.os, rig.prompts, closing);
    EXPECT_EQ(Key("Watch Placement", "Left"), "missing");
    EXPECT_EQ(Key("Watch Placement", "HistoryDepth"), "4");
}

TEST_F(WatchSave, ExitWithoutSavingLeavesTheFileAsItWas) {
    const std::string before = *rig.os.ReadFile(kIni);
    rig.session.run.SaveOnExit = 0;
    EXPECT_FALSE(SaveWatchPlacement(rig.session, rig.os, rig.prompts, closing));
    EXPECT_EQ(*rig.os.ReadFile(kIni), before);
}

}  // namespace
}  // namespace varnolux
