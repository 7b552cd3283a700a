// "Port Placement" and "Pinout Placement" in the settings file.
#include <gtest/gtest.h>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "views/frame/window_place.h"
#include "views/pinout/pinout.h"
#include "views/port/port_placement.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";

TEST(PortPlacementSettings, MissingKeysGiveTheBuiltInWidthsAndAllExpanded) {
    MemoryHostOs os;
    const PortPlacement p = ReadPortPlacement(os, kIni);
    EXPECT_EQ(p.rect, Rect{});
    EXPECT_EQ(p.columns, (std::array<int32_t, 5>{116, 97, 94, 47, 47}));
    EXPECT_EQ(p.headers, (std::array<int32_t, 3>{100, 100, 100}));
    EXPECT_EQ(p.expanded, (std::array<int32_t, 5>{1, 1, 1, 1, 1}));
}

TEST(PortPlacementSettings, StoredZeroWidthsAreReplaced) {
    MemoryHostOs os;
    os.PutFile(kIni,
               "[Port Placement]\r\nColumn0=0\r\nColumn1=60\r\nHeader0=0\r\nHeader2=180\r\n"
               "PortBExpanded=0\r\nLeft=10\r\nTop=20\r\nRight=410\r\nBottom=520\r\n");
    const PortPlacement p = ReadPortPlacement(os, kIni);
    EXPECT_EQ(p.columns, (std::array<int32_t, 5>{116, 60, 94, 47, 47}));
    EXPECT_EQ(p.headers, (std::array<int32_t, 3>{100, 100, 180}));
    EXPECT_EQ(p.expanded, (std::array<int32_t, 5>{1, 0, 1, 1, 1}));
    EXPECT_EQ(p.rect, (Rect{10, 20, 410, 520}));
}

TEST(PortPlacementSettings, WrittenValuesReadBackAndTheTopmostStateIsShared) {
    MemoryHostOs os;
    os.PutFile(kIni, "[Preferences]\r\nAlwaysOnTopPO=0\r\n");
    PortPlacement p;
    p.rect = Rect{5, 6, 305, 406};
    p.columns = {90, 80, 70, 35, 35};
    p.headers = {90, 80, 140};
    p.expanded = {0, 1, 0, 1, 0};
    WritePortPlacement(os, kIni, p, 1);
    const PortPlacement back = ReadPortPlacement(os, kIni);
    EXPECT_EQ(back.rect, p.rect);
    EXPECT_EQ(back.columns, p.columns);
    EXPECT_EQ(back.headers, p.headers);
    EXPECT_EQ(back.expanded, p.expanded);
    EXPECT_EQ(IniRead(os, kIni, "Port Placement", "PortCExpanded", ""), "0");
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "AlwaysOnTopPO", ""), "1");

    WritePinoutPlacement(os, kIni, Rect{1, 2, 3, 4}, 0);
    EXPECT_EQ(IniRead(os, kIni, "Preferences", "AlwaysOnTopPO", ""), "0");
    EXPECT_EQ(IniRead(os, kIni, "Pinout Placement", "Bottom", ""), "4");
    EXPECT_EQ(ReadPortPlacement(os, kIni).rect, p.rect) << "the Port window's keys stay";
}

TEST(AuxPlacement, FirstOpenedBesideTheOwnerWithinTheWorkArea) {
    const Rect work{0, 0, 1280, 984};
    EXPECT_EQ(BesideOwner(Rect{100, 50, 740, 650}, 440, 560, work), (Rect{740, 50, 1180, 610}));
    EXPECT_EQ(BesideOwner(Rect{600, 50, 1240, 650}, 440, 560, work), (Rect{160, 50, 600, 610}))
        << "no room on the right: on the left";
    EXPECT_EQ(BesideOwner(Rect{200, 600, 1100, 900}, 440, 560, work), (Rect{0, 424, 440, 984}))
        << "no room on either side: moved into the work area";
}

}  // namespace
}  // namespace varnolux
