#include "views/replay/replay_bar_model.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(ReplayBar, ButtonsGoToTheirDumpOrNowhere) {
    using B = ReplayButton;
    const struct {
        B button;
        int current, count, dump;
    } cases[] = {
        {B::Next, 0, 5, 1},     {B::Next, 3, 5, 4},     {B::Next, 5, 5, 0},  {B::Previous, 3, 5, 2},
        {B::Previous, 1, 5, 0}, {B::Previous, 0, 5, 0}, {B::First, 0, 5, 1}, {B::First, 4, 5, 1},
        {B::First, 1, 5, 0},    {B::Last, 0, 5, 5},     {B::Last, 2, 5, 5},  {B::Last, 5, 5, 0},
        {B::Next, 0, 0, 0},     {B::Last, 0, 0, 0},     {B::First, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DumpOfButton(c.button, c.current, c.count), c.dump)
            << static_cast<int>(c.button) << " from " << c.current << " of " << c.count;
}

TEST(ReplayBar, TheSliderStaysOnTheRecordedDumps) {
    const struct {
        int position, count, dump;
    } cases[] = {{1, 5, 1}, {3, 5, 3}, {5, 5, 5}, {0, 5, 1}, {9, 5, 5}, {1, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DumpOfSliderPosition(c.position, c.count), c.dump) << c.position;
}

TEST(ReplayBar, TheLabelSaysWhichDumpIsShown) {
    EXPECT_EQ(ReplayLabel(0, 12), "Dump 0 of 12");
    EXPECT_EQ(ReplayLabel(3, 12), "Dump 3 of 12");
}

}  // namespace
}  // namespace varnolux
