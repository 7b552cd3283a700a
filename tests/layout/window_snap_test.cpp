#include "layout/window_snap.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

const Rect kWork{0, 0, 1280, 994};

struct SnapCase {
    const char* what;
    Rect window;
    Rect expected;
};

TEST(SnapToWorkArea, SnapsEdgesWithinTheSnapSize) {
    const SnapCase cases[] = {
        {"30 below the top goes to the top", {300, 30, 830, 444}, {300, 0, 830, 414}},
        {"60 below the top stays", {300, 60, 830, 474}, {300, 60, 830, 474}},
        {"partly off the left edge comes back", {-120, 200, 410, 614}, {0, 200, 530, 614}},
        {"near the left edge goes to it", {20, 200, 550, 614}, {0, 200, 530, 614}},
        {"near the right edge goes to it", {720, 200, 1250, 614}, {750, 200, 1280, 614}},
        {"off the right edge comes back", {900, 200, 1430, 614}, {750, 200, 1280, 614}},
        {"left wins over right for a wide window", {10, 200, 1260, 614}, {0, 200, 1250, 614}},
        {"the bottom stays in the work area", {300, 700, 830, 1114}, {300, 700, 830, 994}},
        {"a window in the middle stays", {300, 200, 830, 614}, {300, 200, 830, 614}},
    };
    for (const SnapCase& c : cases)
        EXPECT_EQ(SnapToWorkArea(c.window, kWork, 50), c.expected) << c.what;
}

TEST(SnapToWorkArea, LeftEdgeExactlyAtZeroIsLeftToTheRightEdgeRule) {
    EXPECT_EQ(SnapToWorkArea({0, 200, 1250, 614}, kWork, 50), (Rect{30, 200, 1280, 614}));
}

TEST(SnapToWorkArea, FollowsAWorkAreaThatDoesNotStartAtTheOrigin) {
    const Rect work{60, 40, 1280, 1024};
    EXPECT_EQ(SnapToWorkArea({80, 70, 610, 484}, work, 50), (Rect{60, 40, 590, 454}));
}

TEST(SnapToWorkArea, SnapSizeZeroOnlyBringsBackWhatIsOutside) {
    EXPECT_EQ(SnapToWorkArea({5, 5, 535, 419}, kWork, 0), (Rect{5, 5, 535, 419}));
    EXPECT_EQ(SnapToWorkArea({-5, -5, 525, 409}, kWork, 0), (Rect{0, 0, 530, 414}));
}

TEST(SnapToWorkAreaTopRight, SnapsTheTopAndTheRightEdgeButNotTheLeft) {
    const SnapCase cases[] = {
        {"30 below the top goes to the top", {300, 30, 668, 503}, {300, 0, 668, 473}},
        {"near the right edge goes to it", {890, 200, 1258, 673}, {912, 200, 1280, 673}},
        {"near the left edge stays", {20, 200, 388, 673}, {20, 200, 388, 673}},
        {"partly off the left edge stays", {-120, 200, 248, 673}, {-120, 200, 248, 673}},
        {"the bottom stays in the work area", {300, 700, 668, 1173}, {300, 700, 668, 994}},
    };
    for (const SnapCase& c : cases)
        EXPECT_EQ(SnapToWorkAreaTopRight(c.window, kWork, 50), c.expected) << c.what;
}

}  // namespace
}  // namespace varnolux
