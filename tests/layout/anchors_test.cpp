#include "layout/anchors.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

const ClientSize kCreated{518, 330};

struct AnchorCase {
    const char* what;
    uint32_t anchors;
    ClientSize client;
    ControlBox expected;
};

TEST(AnchorControl, FollowsTheAnchoredEdges) {
    const ControlBox box{100, 200, 50, 20};
    const AnchorCase cases[] = {
        {"left top stays", kAnchorLeft | kAnchorTop, {618, 430}, {100, 200, 50, 20}},
        {"bottom moves down", kAnchorLeft | kAnchorBottom, {618, 430}, {100, 300, 50, 20}},
        {"right moves right", kAnchorRight | kAnchorTop, {618, 430}, {200, 200, 50, 20}},
        {"all stretches", kAnchorAll, {618, 430}, {100, 200, 150, 120}},
        {"none keeps the middle", 0, {618, 430}, {150, 250, 50, 20}},
        {"bottom moves up", kAnchorLeft | kAnchorBottom, {418, 280}, {100, 150, 50, 20}},
    };
    for (const AnchorCase& c : cases)
        EXPECT_EQ(AnchorControl(box, c.anchors, kCreated, c.client), c.expected) << c.what;
}

TEST(AnchorControl, StretchedControlNeverGetsANegativeSize) {
    const ControlBox list{0, 0, 518, 208};
    ControlBox tiny = AnchorControl(list, kAnchorAll, kCreated, ClientSize{84, 40});
    EXPECT_EQ(tiny.width, 84);
    EXPECT_EQ(tiny.height, 0);
}

TEST(AnchorControl, ListFillsAndRowStaysAtTheBottomOfTheMainWindow) {
    const ControlBox list{0, 0, 518, 208};
    const ControlBox continueButton{449, 305, 69, 24};
    const ClientSize bigger{800, 600};
    EXPECT_EQ(AnchorControl(list, kAnchorAll, kCreated, bigger), (ControlBox{0, 0, 800, 478}));
    ControlBox button =
        AnchorControl(continueButton, kAnchorLeft | kAnchorBottom, kCreated, bigger);
    EXPECT_EQ(bigger.height - (button.y + button.height), kCreated.height - (305 + 24));
}

TEST(DockBelow, TheBarTakesTheBottomOfTheListAndGivesItBack) {
    const ControlBox list{0, 0, 518, 208};
    const DockedBelow d = DockBelow(list, 60);
    EXPECT_EQ(d.above, (ControlBox{0, 0, 518, 148}));
    EXPECT_EQ(d.bar, (ControlBox{0, 148, 518, 60}));
    EXPECT_EQ(Undocked(d.above, d.bar), list);
    // A list shorter than the bar gives all it has.
    EXPECT_EQ(DockBelow({0, 0, 518, 40}, 60).bar, (ControlBox{0, 0, 518, 40}));
    // Docked, the window grows: the list stretches, the bar keeps to the bottom, both widen.
    const ClientSize grown{618, 430};
    EXPECT_EQ(AnchorControl(d.above, kAnchorAll, kCreated, grown), (ControlBox{0, 0, 618, 248}));
    EXPECT_EQ(AnchorControl(d.bar, kAnchorLeft | kAnchorRight | kAnchorBottom, kCreated, grown),
              (ControlBox{0, 248, 618, 60}));
}

}  // namespace
}  // namespace varnolux
