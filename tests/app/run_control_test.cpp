#include "app/run_control.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/menu_states.h"
#include "seams/main_ids.h"
#include "seams/memory/memory_main_window_view.h"
#include "seams/memory/memory_report_list.h"
#include "seams/memory/memory_views.h"

namespace varnolux {
namespace {

class RunControlTest : public ::testing::Test {
  protected:
    RunControlTest() {
        for (int chooser : {ids::kRepeatChooser, ids::kUntilChooser}) {
            view.AddComboEntry(chooser, chooser == ids::kRepeatChooser ? " Repeat" : " Untill");
            view.AddComboEntry(chooser, " Dumpw 2\tMAIN.BAS 10");
            view.AddComboEntry(chooser, " Dumpw 5\tMAIN.BAS 40");
            view.SetComboSelection(chooser, 0);
        }
        view.SetControlText(ids::kUntilCount, "00");
    }

    void Choose(int chooser, int entry) {
        view.SetComboSelection(chooser, entry);
        if (chooser == ids::kUntilChooser)
            UntilChosen(session, view);
        else
            RepeatChosen(session, view);
    }

    Session session;
    MemoryMainWindowView view;
    int WatchFocus() const {
        return static_cast<int>(
            std::count(views.calls.begin(), views.calls.end(), std::string("FocusWatchContinue")));
    }
    int Repaints() { return view.repaints[ids::kContinueButton]; }

    MemoryViews views;
};

TEST_F(RunControlTest, DumpIdIsTheNumberAfterDumpw) {
    EXPECT_EQ(DumpIdOfEntry(" Dumpw 5\tMAIN.BAS 40"), 5);
    EXPECT_EQ(DumpIdOfEntry(" Dumpw 255"), 255);
    EXPECT_EQ(DumpIdOfEntry(" Untill"), -1);
    EXPECT_EQ(DumpIdOfEntry(" Dumpw x"), -1);
}

TEST_F(RunControlTest, RepeatChoiceClearsContinuousAndUntill) {
    view.SetChecked(ids::kContinuous, true);
    Choose(ids::kUntilChooser, 1);
    Choose(ids::kRepeatChooser, 2);
    EXPECT_EQ(session.run.RepeatDumpId.load(), 5);
    EXPECT_EQ(session.run.UntilDumpId.load(), -1);
    EXPECT_FALSE(view.IsChecked(ids::kContinuous));
    EXPECT_EQ(view.ComboSelection(ids::kUntilChooser), 0);
    EXPECT_EQ(view.ComboSelection(ids::kRepeatChooser), 2);
    EXPECT_GE(Repaints(), 1);
    Choose(ids::kRepeatChooser, 0);
    EXPECT_EQ(session.run.RepeatDumpId.load(), -1);
}

TEST_F(RunControlTest, UntillChoiceClearsRepeat) {
    Choose(ids::kRepeatChooser, 1);
    Choose(ids::kUntilChooser, 2);
    EXPECT_EQ(session.run.UntilDumpId.load(), 5);
    EXPECT_EQ(session.run.RepeatDumpId.load(), -1);
    EXPECT_EQ(view.ComboSelection(ids::kRepeatChooser), 0);
}

TEST_F(RunControlTest, CountCheckWhenTheUntillListCloses) {
    Choose(ids::kUntilChooser, 2);
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"00", "01"}, Case{"0", "01"}, Case{"", "01"}, Case{"3", "03"},
                          Case{"42", "42"}, Case{"99", "99"}, Case{"150", "99"}}) {
        view.SetControlText(ids::kUntilCount, c.typed);
        UntilListClosed(session, view);
        EXPECT_EQ(view.ControlText(ids::kUntilCount), c.shown) << c.typed;
    }
}

TEST_F(RunControlTest, ClosingTheListsWithoutAChoice) {
    view.SetControlText(ids::kUntilCount, "07");
    view.SetComboSelection(ids::kUntilChooser, -1);
    UntilListClosed(session, view);
    EXPECT_EQ(view.ControlText(ids::kUntilCount), "00");
    EXPECT_EQ(view.ComboSelection(ids::kUntilChooser), 0);
    view.SetComboSelection(ids::kRepeatChooser, -1);
    RepeatListClosed(session, view);
    EXPECT_EQ(view.ComboSelection(ids::kRepeatChooser), 0);
}

TEST_F(RunControlTest, CheckingContinuousClearsBothChoices) {
    Choose(ids::kRepeatChooser, 1);
    view.SetChecked(ids::kContinuous, true);
    ContinuousChanged(session, view, views);
    EXPECT_TRUE(views.watchContinuous);
    EXPECT_EQ(session.run.RepeatDumpId.load(), -1);
    EXPECT_EQ(session.run.UntilDumpId.load(), -1);
    EXPECT_EQ(view.ComboSelection(ids::kRepeatChooser), 0);
    view.SetChecked(ids::kContinuous, false);
    ContinuousChanged(session, view, views);
    EXPECT_FALSE(views.watchContinuous);
}

TEST_F(RunControlTest, ContinueReleasesOnlyAWaitingTarget) {
    ContinueCommand(session.run, views);
    EXPECT_EQ(WatchFocus(), 0);
    session.run.TargetWaiting = 1;
    ContinueCommand(session.run, views);
    EXPECT_EQ(session.run.TargetWaiting.load(), 0);
    EXPECT_EQ(WatchFocus(), 1);
}

TEST_F(RunControlTest, ContinueUnfreezesViewsFrozenByAStopRule) {
    session.run.ViewsFrozen = 1;  // the target runs on: nothing waits
    ContinueCommand(session.run, views);
    EXPECT_EQ(session.run.ViewsFrozen.load(), 0);
    EXPECT_EQ(session.run.TargetWaiting.load(), 0);
}

TEST_F(RunControlTest, ContinueButtonFaces) {
    RunState& run = session.run;
    EXPECT_EQ(ContinueButtonFace(run, true), ContinueFace::Pressed);
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::FrameOnly);  // no dump yet
    run.NoDumpYet = 0;
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::Running);
    EXPECT_EQ(run.RunningDrawn.load(), 1);
    run.TargetWaiting = 1;
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::WaitingBlue);
    EXPECT_EQ(run.RunningDrawn.load(), 0);
    run.BlinkPhase = 1;
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::WaitingYellow);
    run.AutoContinue = 1;
    EXPECT_EQ(ContinueButtonFace(run, false), ContinueFace::Running);
}

TEST_F(RunControlTest, ResetIsNotOfferedForCore14) {
    session.device.Core = 14;
    ResetCommand(session);
    EXPECT_EQ(session.run.ResetRequested.load(), 0);
    session.device.Core = 16;
    ResetCommand(session);
    EXPECT_EQ(session.run.ResetRequested.load(), 1);
}

TEST(MenuStates, BeforeTheFirstDumpTheDataItemsAreGrey) {
    Session session;
    session.device.Core = 16;
    MenuStates m = ComputeMenuStates(session);
    EXPECT_FALSE(m.portEnabled || m.sourceEnabled || m.watchEnabled || m.eepromEnabled ||
                 m.sfrEnabled || m.commentsEnabled || m.resetEnabled || m.protonIdeEnabled);
    session.run.CommsEstablished = 1;
    m = ComputeMenuStates(session);
    EXPECT_TRUE(m.portEnabled && m.sourceEnabled && m.watchEnabled && m.sfrEnabled &&
                m.commentsEnabled && m.resetEnabled);
    EXPECT_FALSE(m.eepromEnabled);
    session.device.Core = 14;
    EXPECT_FALSE(ComputeMenuStates(session).resetEnabled);
}

TEST(MenuStates, ChecksFollowTheSettings) {
    Session session;
    session.settings.HighLightLabel = 0;
    session.settings.AutoExclude = 1;
    session.run.ExcludeBlank = 1;
    session.run.HiddenItemsExist = 1;
    session.settings.UserTool1Name = "Editor";
    const MenuStates m = ComputeMenuStates(session);
    EXPECT_TRUE(m.highlightValueChecked);
    EXPECT_FALSE(m.highlightLabelChecked);
    EXPECT_TRUE(m.autoExcludeChecked);
    EXPECT_TRUE(m.excludeBlankChecked);
    EXPECT_FALSE(m.includeBlankChecked);
    EXPECT_TRUE(m.unhideEnabled);
    EXPECT_EQ(m.userTool1Text, "Editor");
}

TEST(CommentsToggle, HidingMovesTheLeftEdgeByTheStoredWidth) {
    Settings settings;
    settings.ViewComments = 1;
    settings.Column[6] = 70;
    MemoryReportList list;
    list.SetColumnWidth(6, 70);
    EXPECT_EQ(ToggleComments(settings, list), 70);
    EXPECT_EQ(settings.ViewComments, 0);
    EXPECT_EQ(list.ColumnWidth(6), 0);
    EXPECT_EQ(ToggleComments(settings, list), -70);
    EXPECT_EQ(settings.ViewComments, 1);
    EXPECT_EQ(list.ColumnWidth(6), 70);
}

}  // namespace
}  // namespace varnolux
