#include "app/main_timers.h"

#include <gtest/gtest.h>

#include "app/run_control.h"
#include "seams/memory/memory_main_window_view.h"

namespace varnolux {
namespace {

TEST(BlinkTick, WaitingTextBlinksWhileNoProjectIsChosen) {
    RunState run;
    MemoryMainWindowView view;
    BlinkTick(run, view);
    EXPECT_EQ(view.StatusText(0), " Waiting for file selection");
    BlinkTick(run, view);
    EXPECT_EQ(view.StatusText(0), "");
    BlinkTick(run, view);
    EXPECT_EQ(view.StatusText(0), " Waiting for file selection");
}

TEST(BlinkTick, StatusIsLeftAloneOnceAProjectIsChosen) {
    RunState run;
    MemoryMainWindowView view;
    BlinkTick(run, view);
    run.ProjectChosen = 1;
    view.SetStatusText(0, " Comms established");
    const size_t writes = view.statusLog.size();
    BlinkTick(run, view);
    BlinkTick(run, view);
    EXPECT_EQ(view.StatusText(0), " Comms established");
    EXPECT_EQ(view.statusLog.size(), writes);
}

TEST(BlinkTick, ContinueButtonChangesPhaseOnlyWhileTheTargetWaits) {
    RunState run;
    run.ProjectChosen = 1;
    MemoryMainWindowView view;
    EXPECT_FALSE(BlinkTick(run, view));
    EXPECT_EQ(run.BlinkPhase, 0);
    run.TargetWaiting = 1;
    EXPECT_TRUE(BlinkTick(run, view));
    EXPECT_EQ(run.BlinkPhase, 1);
    EXPECT_TRUE(BlinkTick(run, view));
    EXPECT_EQ(run.BlinkPhase, 0);
}

TEST(BlinkTick, RunningFaceIsPaintedOnceTheTargetRunsAgain) {
    RunState run;
    run.ProjectChosen = 1;
    MemoryMainWindowView view;
    EXPECT_FALSE(BlinkTick(run, view)) << "no dump yet: the button has no face";
    run.NoDumpYet = 0;
    EXPECT_TRUE(BlinkTick(run, view)) << "first dump: Running is due";
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::Running);
    EXPECT_FALSE(BlinkTick(run, view)) << "Running already shown";

    run.TargetWaiting = 1;
    EXPECT_TRUE(BlinkTick(run, view));
    EXPECT_NE(ContinueButtonFace(run, false), ContinueFace::Running);
    run.TargetWaiting = 0;  // Continue
    EXPECT_TRUE(BlinkTick(run, view)) << "the waiting face must not stay after Continue";
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::Running);
    EXPECT_FALSE(BlinkTick(run, view));
}

TEST(BlinkTick, AReplaysContinueDoesNotBlinkWhereTheRecordedTargetWaited) {
    RunState run;
    run.ProjectChosen = 1;
    run.NoDumpYet = 0;
    run.TargetWaiting = 1;
    run.Replaying = 1;
    MemoryMainWindowView view;
    EXPECT_FALSE(BlinkTick(run, view));
    EXPECT_EQ(run.BlinkPhase, 0);
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::ReplayStep);
}

TEST(TakeNewDump, RefreshesOncePerDumpOnlyForAVisibleWindowWithAProject) {
    RunState run;
    run.NewDumpPending = 1;
    EXPECT_FALSE(TakeNewDump(run, true)) << "no project chosen";
    run.ProjectChosen = 1;
    EXPECT_FALSE(TakeNewDump(run, false)) << "window hidden";
    EXPECT_EQ(run.NewDumpPending, 1);
    EXPECT_TRUE(TakeNewDump(run, true));
    EXPECT_EQ(run.NewDumpPending, 0);
    EXPECT_FALSE(TakeNewDump(run, true)) << "the same dump twice";
}

TEST(TakeDumpToShow, FrozenViewsShowTheFiringDumpThenWaitForContinue) {
    RunState run;
    run.ProjectChosen = 1;
    FrozenViews frozen;
    run.NewDumpPending = 1;
    EXPECT_TRUE(TakeDumpToShow(run, true, frozen));
    run.ViewsFrozen = 1;  // a hold rule fired at a plain dump point
    run.NewDumpPending = 1;
    EXPECT_TRUE(TakeDumpToShow(run, true, frozen)) << "the dump the rule fired at";
    for (int dump = 0; dump < 3; ++dump) {
        run.NewDumpPending = 1;  // the link goes on
        EXPECT_FALSE(TakeDumpToShow(run, true, frozen)) << "frozen";
    }
    run.ViewsFrozen = 0;  // Continue
    EXPECT_TRUE(TakeDumpToShow(run, true, frozen)) << "the latest dump after Continue";
    run.ViewsFrozen = 1;  // fires again, with no dump pending yet
    EXPECT_FALSE(TakeDumpToShow(run, true, frozen));
    run.NewDumpPending = 1;
    EXPECT_TRUE(TakeDumpToShow(run, true, frozen)) << "the next firing's dump";
}

}  // namespace
}  // namespace varnolux
