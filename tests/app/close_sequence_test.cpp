#include "app/close_sequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "seams/ini_file.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_prompts.h"
#include "seams/memory/memory_views.h"
#include "views/frame/window_keys.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";
const std::string kOldFile = "[Window Placement]\r\nLeft=5\r\n";

// The main window's steps, each replaceable by a test.
struct TestSteps : CloseSteps {
    bool LinkRunning() override { return linkRunning && linkRunning(); }
    void Pause() override {
        if (pause) pause();
    }
    MainWindowSnapshot Snapshot() override { return snapshot(); }
    void CloseTraceFile() override { closeTraceFile(); }
    std::function<bool()> linkRunning;
    std::function<void()> pause;
    std::function<MainWindowSnapshot()> snapshot;
    std::function<void()> closeTraceFile;
};

// The auxiliary windows, with what their closing does.
struct TestViews : MemoryViews {
    void CloseAll() override {
        MemoryViews::CloseAll();
        closeAll();
    }
    std::function<void()> closeAll;
};

struct CloseFixture : ::testing::Test {
    CloseFixture() {
        session.project.settingsPath = kIni;
        os.PutFile(kIni, kOldFile);
        steps.snapshot = [] {
            MainWindowSnapshot snap;
            snap.placementAvailable = true;
            snap.normal = Rect{93, 160, 623, 574};
            return snap;
        };
        views.closeAll = [this] { log.push_back("aux"); };
        steps.closeTraceFile = [this] { log.push_back("trace"); };
    }
    bool Saved() const { return *os.ReadFile(kIni) != kOldFile; }

    Session session;
    MemoryHostOs os;
    MemoryPrompts prompts;
    TestViews views;
    TestSteps steps;
    std::vector<std::string> log;
};

TEST_F(CloseFixture, CloseBoxBeforeChoosingAFileStillSaves) {
    ApplyExitChoice(session.run, ExitChoice::CloseBox);
    EXPECT_TRUE(RunCloseSequence(session, os, prompts, views, steps));
    EXPECT_EQ(IniRead(os, kIni, "Window Placement", "Left", ""), "93");
    EXPECT_EQ(IniRead(os, kIni, "Window Placement", "Bottom", ""), "574");
}

TEST_F(CloseFixture, ExitBeforeChoosingAFileDoesNotSave) {
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_FALSE(RunCloseSequence(session, os, prompts, views, steps));
    EXPECT_FALSE(Saved());
}

TEST_F(CloseFixture, ExitAfterChoosingAFileSaves) {
    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_TRUE(RunCloseSequence(session, os, prompts, views, steps));
    EXPECT_TRUE(Saved());
}

TEST_F(CloseFixture, ExitWithoutSavingLeavesTheFileAsItWas) {
    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::ExitWithoutSaving);
    EXPECT_FALSE(RunCloseSequence(session, os, prompts, views, steps));
    EXPECT_EQ(*os.ReadFile(kIni), kOldFile);
    EXPECT_EQ(log, (std::vector<std::string>{"aux"})) << "the other windows still close";
}

TEST_F(CloseFixture, AuxiliaryWindowsCloseAfterTheMainSettingsAreWritten) {
    views.closeAll = [this] { log.push_back(Saved() ? "aux after save" : "aux before save"); };
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(log, (std::vector<std::string>{"aux after save"}));
}

TEST_F(CloseFixture, OpenWatchWindowIsRememberedAsVisible) {
    views.Show(ViewKind::Watch);
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(session.settings.WatchVisible, 1);
    EXPECT_EQ(IniRead(os, kIni, "Watch Placement", "WatchVisible", ""), "1");
    views.CloseAll();
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(IniRead(os, kIni, "Watch Placement", "WatchVisible", ""), "0");
}

TEST_F(CloseFixture, TraceFileIsClosedOnlyWithDiagnosticsOn) {
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(log, (std::vector<std::string>{"aux"}));
    log.clear();
    session.settings.UDTdisplay = 1;
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(log, (std::vector<std::string>{"aux", "trace"}));
}

TEST_F(CloseFixture, LinkThreadIsAskedToStopAndAwaitedUntilItEnds) {
    int checksLeft = 3;
    int pauses = 0;
    steps.linkRunning = [&] { return checksLeft > 0; };
    steps.pause = [&] {
        ++pauses;
        if (session.run.LinkStopRequest == 1) --checksLeft;
    };
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(session.run.LinkStopRequest, 1);
    EXPECT_EQ(pauses, 3);
}

TEST_F(CloseFixture, LinkThreadThatDoesNotEndIsNotAwaitedLongerThanTwentyPauses) {
    int pauses = 0;
    steps.linkRunning = [] { return true; };
    steps.pause = [&] { ++pauses; };
    EXPECT_TRUE(RunCloseSequence(session, os, prompts, views, steps)) << "closing goes on";
    EXPECT_EQ(pauses, 20);
}

TEST_F(CloseFixture, NoLinkThreadMeansNoStopRequest) {
    steps.linkRunning = [] { return false; };
    steps.pause = [] { FAIL() << "nothing to wait for"; };
    RunCloseSequence(session, os, prompts, views, steps);
    EXPECT_EQ(session.run.LinkStopRequest, 0);
}

TEST_F(CloseFixture, AReadOnlySettingsFileIsToldOnceAndKeptAsItWas) {
    os.SetReadOnly(kIni, true);
    // The auxiliary windows save their keys as they close, after the main window.
    views.closeAll = [this] {
        FormCloseState state;
        state.placementAvailable = true;
        SaveFormSettings(WindowKeysOf(ViewKind::Watch), state, session.run, os, kIni, prompts);
        SaveFormSettings(WindowKeysOf(ViewKind::Port), state, session.run, os, kIni, prompts);
    };
    RunCloseSequence(session, os, prompts, views, steps);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, SettingsWriteFailedText(kIni));
    EXPECT_NE(prompts.shown[0].text.find(kIni), std::string::npos);
    EXPECT_EQ(*os.ReadFile(kIni), kOldFile);
}

}  // namespace
}  // namespace varnolux
