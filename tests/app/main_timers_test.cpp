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

}  // namespace
}  // namespace varnolux
