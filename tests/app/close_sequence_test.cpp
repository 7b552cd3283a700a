#include "app/close_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ini_file.h"
#include "ui/memory_host_os.h"

namespace varnolux {
namespace {

const std::string kIni = "C:\\Varnolux\\Varnolux.ini";
const std::string kOldFile = "[Window Placement]\r\nLeft=5\r\n";

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
        steps.closeAuxiliaryWindows = [this] { log.push_back("aux"); };
        steps.closeTraceFile = [this] { log.push_back("trace"); };
    }
    bool Saved() const { return *os.ReadFile(kIni) != kOldFile; }

    Session session;
    MemoryHostOs os;
    CloseSteps steps;
    std::vector<std::string> log;
};

TEST_F(CloseFixture, CloseBoxBeforeChoosingAFileStillSaves) {
    ApplyExitChoice(session.run, ExitChoice::CloseBox);
    EXPECT_TRUE(RunCloseSequence(session, os, steps));
    EXPECT_EQ(IniRead(os, kIni, "Window Placement", "Left", ""), "93");
    EXPECT_EQ(IniRead(os, kIni, "Window Placement", "Bottom", ""), "574");
}

TEST_F(CloseFixture, ExitBeforeChoosingAFileDoesNotSave) {
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_FALSE(RunCloseSequence(session, os, steps));
    EXPECT_FALSE(Saved());
}

TEST_F(CloseFixture, ExitAfterChoosingAFileSaves) {
    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::Exit);
    EXPECT_TRUE(RunCloseSequence(session, os, steps));
    EXPECT_TRUE(Saved());
}

TEST_F(CloseFixture, ExitWithoutSavingLeavesTheFileAsItWas) {
    session.run.ProjectChosen = 1;
    ApplyExitChoice(session.run, ExitChoice::ExitWithoutSaving);
    EXPECT_FALSE(RunCloseSequence(session, os, steps));
    EXPECT_EQ(*os.ReadFile(kIni), kOldFile);
    EXPECT_EQ(log, (std::vector<std::string>{"aux"})) << "the other windows still close";
}

TEST_F(CloseFixture, AuxiliaryWindowsCloseAfterTheMainSettingsAreWritten) {
    steps.closeAuxiliaryWindows = [this] {
        log.push_back(Saved() ? "aux after save" : "aux before save");
    };
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(log, (std::vector<std::string>{"aux after save"}));
}

TEST_F(CloseFixture, OpenWatchWindowIsRememberedAsVisible) {
    steps.watchWindowOpen = [] { return true; };
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(session.settings.WatchVisible, 1);
    EXPECT_EQ(IniRead(os, kIni, "Watch Placement", "WatchVisible", ""), "1");
    steps.watchWindowOpen = [] { return false; };
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(IniRead(os, kIni, "Watch Placement", "WatchVisible", ""), "0");
}

TEST_F(CloseFixture, TraceFileIsClosedOnlyWithDiagnosticsOn) {
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(log, (std::vector<std::string>{"aux"}));
    log.clear();
    session.settings.UDTdisplay = 1;
    RunCloseSequence(session, os, steps);
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
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(session.run.LinkStopRequest, 1);
    EXPECT_EQ(pauses, 3);
}

TEST_F(CloseFixture, LinkThreadThatDoesNotEndIsNotAwaitedLongerThanTwentyPauses) {
    int pauses = 0;
    steps.linkRunning = [] { return true; };
    steps.pause = [&] { ++pauses; };
    EXPECT_TRUE(RunCloseSequence(session, os, steps)) << "closing goes on";
    EXPECT_EQ(pauses, 20);
}

TEST_F(CloseFixture, NoLinkThreadMeansNoStopRequest) {
    steps.linkRunning = [] { return false; };
    steps.pause = [] { FAIL() << "nothing to wait for"; };
    RunCloseSequence(session, os, steps);
    EXPECT_EQ(session.run.LinkStopRequest, 0);
}

}  // namespace
}  // namespace varnolux
