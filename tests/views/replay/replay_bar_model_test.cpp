#include "views/replay/replay_bar_model.h"

#include "link/replay/answers.h"

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

TEST(ReplayBar, TheStatusBarSaysWhatIsReplayedAndWhere) {
    EXPECT_EQ(ReplayPositionStatus(0, 300), " Replay 0/300");
    EXPECT_EQ(ReplayPositionStatus(12, 300), " Replay 12/300");
    EXPECT_EQ(ReplayFileStatus("C:\\Work\\demo\\session.pcapng"), " session.pcapng");
    EXPECT_EQ(ReplayFileStatus("/tmp/a b/run 2.pcapng"), " run 2.pcapng");
    EXPECT_EQ(ReplayFileStatus("session.pcapng"), " session.pcapng");
}

TEST(ReplayBar, PlayWaitsTheRecordedTimeDividedByTheSpeed) {
    ASSERT_EQ(ReplaySpeedNames(), (std::vector<std::string>{"1x", "2x", "5x", "10x", "Fastest"}));
    using S = ReplaySpeed;
    const struct {
        int64_t from, to;
        S speed;
        int ms;
    } cases[] = {
        {1000000, 1250000, S::Times1, 250},
        {1000000, 1250000, S::Times2, 125},
        {1000000, 1250000, S::Times5, 50},
        {1000000, 1250000, S::Times10, 25},
        {1000000, 9000000, S::Fastest, 0},
        {5000000, 4000000, S::Times1, 0},           // times run back
        {0, 4000000000000, S::Times1, 2147483647},  // days of hold
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayDelayMs(c.from, c.to, c.speed), c.ms) << c.to - c.from;
}

TEST(ReplayBar, TheAnswersThatDifferAreCountedAsTheConsoleCountsThem) {
    EXPECT_EQ(AnswerDifferenceText(0), "");
    EXPECT_EQ(AnswerDifferenceText(3), "3 answers differ from the recorded ones");
}

}  // namespace
}  // namespace varnolux
