#include <gtest/gtest.h>

#include "layout/window_placement.h"

namespace varnolux {
namespace {

Rect R(int32_t l, int32_t t, int32_t r, int32_t b) {
    return Rect{l, t, r, b};
}

TEST(PlaceMainWindow, FitsTheStoredRectangleIntoTheWorkArea) {
    const Rect work = R(0, 0, 1280, 984);
    struct Case {
        const char* what;
        Rect stored, expected;
    } cases[] = {
        {"inside stays", R(100, 50, 700, 650), R(100, 50, 700, 650)},
        {"wider than the screen: full width from 0", R(300, 10, 2300, 600), R(0, 10, 1282, 600)},
        {"taller than the screen: full height from 0", R(10, 100, 600, 1500), R(10, 0, 600, 986)},
        {"left of the screen moves right", R(-50, 10, 550, 600), R(0, 10, 600, 600)},
        {"right of the screen moves left", R(1000, 10, 1400, 600), R(880, 10, 1280, 600)},
        {"above the screen moves down", R(10, -30, 600, 500), R(10, 0, 600, 530)},
        {"below the screen moves up", R(10, 800, 600, 1100), R(10, 684, 600, 984)},
        {"equal to the work area: 2 larger", R(0, 0, 1280, 984), R(0, 0, 1282, 986)},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceMainWindow(c.stored, work), c.expected) << c.what;
}

TEST(PlaceMainWindow, FirstRunGivesCentredWindowOfUsableSize) {
    const Rect placed = PlaceMainWindow(Rect{}, R(0, 0, 1280, 1024));
    EXPECT_EQ(placed, R(320, 212, 960, 812));
    const Rect small = PlaceMainWindow(Rect{}, R(0, 0, 600, 400));
    EXPECT_EQ(small, R(0, 0, 602, 402));
}

// At 150 % the first run's window grows with the fonts; a stored rectangle is
// the user's own and stays as it is.
TEST(PlaceMainWindow, FirstRunGrowsWithTheScreensDpi) {
    const Rect work = R(0, 0, 1600, 1200);
    EXPECT_EQ(PlaceMainWindow(Rect{}, work, 144), R(320, 150, 1280, 1050));
    EXPECT_EQ(PlaceMainWindow(Rect{}, R(0, 0, 800, 600), 144), R(0, 0, 802, 602));
    EXPECT_EQ(PlaceMainWindow(R(10, 10, 540, 424), work, 144), R(10, 10, 540, 424));
    EXPECT_EQ(ScaledSize(R(93, 160, 773, 613), 144), R(93, 160, 1113, 839));
    EXPECT_EQ(ScaledSize(R(93, 160, 773, 613), 96), R(93, 160, 773, 613));
}

TEST(PlaceMainWindow, WorkAreaNotAtTheOriginKeepsTheWindowInIt) {
    // Taskbar at the left edge: the work area starts at x = 60.
    const Rect work = R(60, 0, 1280, 1024);
    EXPECT_EQ(PlaceMainWindow(R(0, 10, 500, 600), work), R(60, 10, 560, 600));
    EXPECT_EQ(PlaceMainWindow(R(0, 0, 3000, 600), work), R(60, 0, 1282, 600));
}

}  // namespace
}  // namespace varnolux
