// Docking a window to the left side of the main (or Watch) window.
#include "views/frame/dock_snap.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

const Rect kMain{600, 200, 1130, 614};

struct DockCase {
    const char* what;
    Rect window;
    int32_t snapSize;
    Rect expected;
};

TEST(DockBeside, SnapsToTheLeftSideAndLinesUpTopOrBottom) {
    const DockCase cases[] = {
        {"30 px left, top 20 below: touches, tops line up",
         {-110, 220, 570, 673},
         50,
         {-80, 200, 600, 653}},
        {"30 px left, no top or bottom near: only touches",
         {-110, 300, 570, 500},
         50,
         {-80, 300, 600, 500}},
        {"bottoms 10 apart line up", {-110, 300, 570, 604}, 50, {-80, 310, 600, 614}},
        {"right edge 30 px inside the reference snaps too",
         {-50, 220, 630, 673},
         50,
         {-80, 200, 600, 653}},
        {"49 px away snaps", {-129, 220, 551, 673}, 50, {-80, 200, 600, 653}},
        {"50 px away does not", {-130, 220, 550, 673}, 50, {-130, 220, 550, 673}},
        {"no vertical overlap: stays", {-110, 620, 570, 900}, 50, {-110, 620, 570, 900}},
        {"touching the bottom edge is no overlap",
         {-110, 614, 570, 900},
         50,
         {-110, 614, 570, 900}},
        {"Snapsize 0 never snaps", {-100, 200, 600, 653}, 0, {-100, 200, 600, 653}},
        {"Snapsize 0 leaves even a 1 px gap", {-101, 220, 599, 673}, 0, {-101, 220, 599, 673}},
    };
    for (const DockCase& c : cases)
        EXPECT_EQ(DockBeside(c.window, kMain, c.snapSize), c.expected) << c.what;
}

}  // namespace
}  // namespace varnolux
