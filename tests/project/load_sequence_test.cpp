#include <gtest/gtest.h>

#include "project/load/sequence.h"
#include "scan_fixture.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

using testing::ScanFixture;

std::string Listing(const std::string& mainFile, const std::string& device) {
    return "                      00001 ;FILE F1 = C:\\WORK\\" + mainFile +
           "\r\n"
           "                      00002 ;[Variable Listing]\r\n"
           "                      00003 ;count,0020,DT_BYTE,1\r\n"
           "                      00004 ;speed,0021,DT_WORD,2\r\n"
           "                      00005 ;[End Listing]\r\n"
           "                      00006         LIST  P = " +
           device +
           ", F = INHX8M\r\n"
           "0001CA EFE5 F000      00007         GOTO PROTON_END\r\n"
           "0001CE                00008 __EOF\r\n";
}

class LoadSequence : public ScanFixture {
  protected:
    void SetUp() override {
        session.settings.PPI = "PPI";
        session.settings.Baud = 115200;
        session.project.settingsPath = "Varnolux.ini";
        PutSource("Varnolux.ini", "[Comms]\r\nDontAsk=1\r\n");
        PutSource("PPI\\P16F1829.PPI", "[INFOSTART]\nCORE=14\nMAXCODE=8192\nEEPROM=256\n");
        PutSource("PPI\\P18F25K22.PPI", "[INFOSTART]\nCORE=16\nMAXCODE=32768\n");
        views.onShow = [this](ViewKind kind) {
            if (kind == ViewKind::Watch) Record("ShowWatchWindow");
            if (kind == ViewKind::Plot) Record("ShowPlotWindow");
            if (kind == ViewKind::RecordDiagnostics) Record("CreateRecordDiagnostics");
        };
    }

    void Record(const std::string& call) { calls.push_back(call); }

    // Every step the front end provides, recorded in the order the load calls it.
    struct RecordingSteps : LoadSteps {
        explicit RecordingSteps(LoadSequence& t) : test(t) {}
        bool ConfirmComPort() override { return test.Record("ConfirmComPort"), test.comPortOk; }
        void ShowMainWindow() override { test.Record("ShowMainWindow"); }
        void FocusProjectChooser() override { test.Record("FocusProjectChooser"); }
        void EnableCommands() override { test.Record("EnableCommands"); }
        void FillMainList() override {
            test.Record("FillMainList");
            for (const MyVarRecord& r : test.session.records)
                test.radixesAtFill.emplace_back(r.AddDisplayType, r.VarDisplayType);
        }
        void OpenLink() override { test.Record("OpenLink"); }
        void StartLinkThread() override { test.Record("StartLinkThread"); }
        void ApplyColumnWidths() override { test.Record("ApplyColumnWidths"); }
        void SetAllRadix(int32_t a, int32_t d) override {
            test.Record("SetAllRadix " + std::to_string(a) + " " + std::to_string(d));
        }
        LoadSequence& test;
    };

    void PutProject(const std::string& base, const std::string& device = "16F1829",
                    const std::string& source =
                        "Device = 16F1829\nDim Count As Byte ' loops\n"
                        "dumpw 3\n") {
        PutSource(base + ".bas", source);
        os.PutFile(base + ".lst", Listing(base + ".BAS", device));
        PutSource(base + ".hex", ":00000001FF\n");
    }

    RecordingSteps hooks{*this};
    std::vector<std::string> calls;
    std::vector<std::pair<int32_t, int32_t>> radixesAtFill;  // address, data of each record
    bool comPortOk = true;
};

TEST_F(LoadSequence, OneCompleteProjectLoadsWithoutAsking) {
    PutProject("fan");
    PutSource("draft.bas", "dump 1\n");  // no listing, no object file
    PutSource("half.bas", "dump 1\n");
    PutSource("half.lst", "");

    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::Loaded);

    EXPECT_EQ(view.ComboEntries(ids::kProjectChooser), std::vector<std::string>{" fan"});
    EXPECT_EQ(view.ComboSelection(ids::kProjectChooser), 0);
    EXPECT_FALSE(view.IsEnabled(ids::kProjectChooser));
    EXPECT_EQ(session.project.listingName, "fan.lst");
    EXPECT_EQ(session.run.ProjectChosen, 1);
    EXPECT_EQ(session.run.ProjectLoaded, 1);
    EXPECT_EQ(session.run.RomCheckPending, 0) << "core 14 has no ROM check";
    EXPECT_EQ(view.Title(), "Varnolux   Ver 1.1   fan");
    const std::vector<std::pair<int, std::string>> status = {{0, ""},
                                                             {2, ""},
                                                             {3, ""},
                                                             {2, " COM1  115200"},
                                                             {1, " Scanning list file"},
                                                             {1, " Scanning sorce files"},
                                                             {1, " Done scanning files"},
                                                             {3, " 16F1829"}};
    EXPECT_EQ(view.statusLog, status);
    EXPECT_EQ(calls, (std::vector<std::string>{"ConfirmComPort", "ShowMainWindow", "EnableCommands",
                                               "FillMainList", "OpenLink", "StartLinkThread",
                                               "ApplyColumnWidths", "SetAllRadix 0 0"}));
    EXPECT_EQ(
        view.ComboEntries(ids::kUntilChooser),
        (std::vector<std::string>{" Untill", " Dumpw 3" + std::string(13, ' ') + "\tfan.bas"}));
    EXPECT_EQ(view.ComboEntries(ids::kRepeatChooser)[0], " Repeat");
    EXPECT_EQ(view.ComboSelection(ids::kRepeatChooser), 0);
    ASSERT_EQ(session.records.size(), 2u);
    EXPECT_EQ(session.records[0].VarComment, "loops");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(LoadSequence, SixteenBitCoreAsksForTheRomCheck) {
    PutProject("thermo", "18F25K22", "Device = 18F25K22\ndump 1\n");
    session.settings.Baud = 2400;
    session.settings.Port = 4;
    session.settings.WatchVisible = 1;
    session.settings.PlotVisible = 1;
    session.settings.DefaultAddressRadix = 2;
    session.settings.DefaultDataRadix = 1;
    LoadAtStartup(session, seams, hooks);
    EXPECT_EQ(session.run.RomCheckPending, 1);
    EXPECT_EQ(view.StatusText(2), " COM4 Auto");
    EXPECT_EQ(session.settings.Baud, 0);
    EXPECT_EQ(calls.back(), "SetAllRadix 2 1");
    EXPECT_EQ(calls[calls.size() - 2], "ShowPlotWindow");
    EXPECT_EQ(calls[calls.size() - 3], "ShowWatchWindow");
}

// The link's probe comes between the first fill and SetAllRadix and can keep
// the window up for long: the first fill already has the settings' radixes.
TEST_F(LoadSequence, FirstFillAlreadyShowsTheDefaultRadixes) {
    PutProject("thermo", "18F25K22", "Device = 18F25K22\ndump 1\n");
    session.settings.DefaultAddressRadix = DT_HEX;
    session.settings.DefaultDataRadix = DT_BINARY;
    LoadAtStartup(session, seams, hooks);
    ASSERT_EQ(radixesAtFill.size(), 2u);
    for (const auto& [address, data] : radixesAtFill) {
        EXPECT_EQ(address, DT_HEX);
        EXPECT_EQ(data, DT_BINARY);
    }
}

TEST_F(LoadSequence, TwoProjectsWaitForTheUsersChoice) {
    PutProject("one");
    PutProject("two", "18F25K22", "Device = 18F25K22\ndump 2\n");

    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::WaitingForChoice);
    EXPECT_EQ(view.StatusText(0), " Waiting for file selection");
    EXPECT_EQ(view.StatusText(1), "") << "nothing is read before the choice";
    EXPECT_TRUE(session.records.empty());
    EXPECT_EQ(session.run.ProjectChosen, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"ConfirmComPort", "FocusProjectChooser",
                                               "ApplyColumnWidths", "SetAllRadix 0 0"}));
    const auto entries = view.ComboEntries(ids::kProjectChooser);
    ASSERT_EQ(entries.size(), 2u);

    calls.clear();
    EXPECT_EQ(LoadChosenProject(session, seams, hooks, " two"), LoadEnd::Loaded);
    EXPECT_EQ(session.project.baseName, "two");
    EXPECT_EQ(session.device.SourceDeviceName, "18F25K22");
    EXPECT_EQ(view.Title(), "Varnolux   Ver 1.1   two");
    EXPECT_EQ(entries[view.ComboSelection(ids::kProjectChooser)], " two");
    EXPECT_FALSE(view.IsEnabled(ids::kProjectChooser));
    EXPECT_EQ(calls, (std::vector<std::string>{"EnableCommands", "FillMainList", "OpenLink",
                                               "StartLinkThread", "SetAllRadix 0 0"}));
    EXPECT_EQ(LoadChosenProject(session, seams, hooks, " one"), LoadEnd::Loaded);
    EXPECT_EQ(session.project.baseName, "two") << "a project is chosen once per run";
}

TEST_F(LoadSequence, ChosenProjectWithoutListingEnds) {
    PutProject("one");
    PutProject("two");
    LoadAtStartup(session, seams, hooks);
    os.PutFile("two.lst", "");
    MemoryHostOs empty;
    empty.programFolder = "";
    Seams other{empty, prompts, view, launcher, views};
    calls.clear();
    EXPECT_EQ(LoadChosenProject(session, other, hooks, " two"), LoadEnd::ProgramClosed);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"LoadChosenProject two.lst not found in current directory"});
    EXPECT_TRUE(view.closeRequested);
    EXPECT_EQ(calls, std::vector<std::string>{"SetAllRadix 0 0"});
}

TEST_F(LoadSequence, CommandLineProjectIsLoadedEvenAmongSeveral) {
    PutProject("alpha");
    PutProject("beta", "18F25K22", "Device = 18F25K22\ndump 9\n");
    PutProject("gamma");
    session.project.commandLineProject = "beta";
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::Loaded);
    EXPECT_EQ(session.project.baseName, "beta");
    EXPECT_EQ(session.dumpPoints.entries[9].line, 2);
    EXPECT_FALSE(view.IsEnabled(ids::kProjectChooser));
    const auto entries = view.ComboEntries(ids::kProjectChooser);
    EXPECT_EQ(entries[view.ComboSelection(ids::kProjectChooser)], " beta")
        << "the chooser shows the project that was loaded";
}

TEST_F(LoadSequence, CommandLineProjectFilesAreNotTestedFirst) {
    PutProject("alpha");
    PutSource("beta.bas", "dump 1\n");
    session.project.commandLineProject = "beta";
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::Loaded);
    EXPECT_EQ(session.project.baseName, "beta");
    // Each missing file is named once, by the step that needed it.
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"LoadProject object file beta.hex not found - the build "
                                        "times cannot be checked against it",
                                        "ReadListing 2 listing beta.lst not found"}));
    EXPECT_EQ(session.project.listingTime, 0u);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "OpenLink"), calls.end())
        << "a missing listing ends the scan, not the load";
}

// Files that are there but cannot be read (no permission) are told apart from
// missing ones, and the load goes on where it can: without settings on the
// built-in ones, without the object file without its time check.
TEST_F(LoadSequence, UnreadableOrMissingFilesAreNamedAndTheLoadGoesOn) {
    PutProject("fan");
    os.SetUnreadable("Varnolux.ini", true);
    os.SetUnreadable("fan.hex", true);
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::Loaded);
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{
                  "LoadAtStartup settings file Varnolux.ini cannot be read (no permission, or "
                  "locked) - the built-in settings are used",
                  "LoadProject object file fan.hex cannot be read (no permission, or locked) - "
                  "the build times cannot be checked against it"}));
    EXPECT_FALSE(session.records.empty());
}

TEST_F(LoadSequence, UnreadableMainSourceIsNotCalledMissing) {
    PutProject("fan");
    os.SetUnreadable("fan.bas", true);
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::ProgramClosed);  // no dump point
    ASSERT_FALSE(prompts.Texts().empty());
    EXPECT_EQ(prompts.Texts()[0].rfind("ScanSources 8 source file cannot be read", 0), 0u)
        << prompts.Texts()[0];
}

TEST_F(LoadSequence, ASixteenBitListingCutShortSkipsTheRomCheck) {
    PutProject("fan", "18F25K22", "Device = 18F25K22\ndumpw 3\n");
    const std::string full = *os.ReadFile("fan.lst");
    os.PutFile("fan.lst", full.substr(0, full.find("0001CA")));
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::Loaded);
    EXPECT_EQ(session.run.RomCheckPending, 0);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0].rfind("ReadListing 12 fan.lst ends before its end label __EOF", 0),
              0u);
}

// The program's fixed text comes first; the lines after it say where it
// looked and what a project needs there.
TEST_F(LoadSequence, MissingProjectFilesEndTheProgram) {
    os.programFolder = "C:\\Bench\\";
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::ProgramClosed);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    EXPECT_EQ(prompts.Texts()[0].rfind(
                  "A complete set of project files not found - Exiting 1\r\n\r\nLooked in "
                  "C:\\Bench\\\r\n",
                  0),
              0u);
    EXPECT_TRUE(view.closeRequested);

    MemoryPrompts second;
    MemoryMainWindowView window;
    Seams s{os, second, window, launcher, views};
    PutSource("C:\\Bench\\lonely.bas", "dump 1\n");
    PutSource("C:\\Bench\\lonely.lst", "");
    EXPECT_EQ(LoadAtStartup(session, s, hooks), LoadEnd::ProgramClosed);
    ASSERT_EQ(second.Texts().size(), 1u);
    EXPECT_EQ(
        second.Texts()[0].rfind("A complete set of project files not found - Exiting 2\r\n", 0),
        0u);
    EXPECT_TRUE(window.closeRequested);
}

TEST_F(LoadSequence, CancelledComPortEndsAtOnce) {
    PutProject("fan");
    comPortOk = false;
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::ProgramClosed);
    EXPECT_EQ(calls, std::vector<std::string>{"ConfirmComPort"});
    EXPECT_EQ(session.run.ProjectChosen, 0);
}

TEST_F(LoadSequence, NoDumpPointsEndTheProgramBeforeTheLink) {
    PutProject("fan", "16F1829", "Device = 16F1829\nx = 1 : dump 7\n");
    EXPECT_EQ(LoadAtStartup(session, seams, hooks), LoadEnd::ProgramClosed);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No dump points found - Exiting"});
    EXPECT_TRUE(view.closeRequested);
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "OpenLink"), calls.end());
    EXPECT_EQ(session.run.ProjectLoaded, 0);
}

TEST_F(LoadSequence, FullPathTitle) {
    os.programFolder = "C:\\Bench\\";
    PutProject("C:\\Bench\\fan");
    PutProject("fan");
    session.settings.DisplayFullPath = 1;
    LoadAtStartup(session, seams, hooks);
    EXPECT_EQ(view.Title(), "C:\\Bench\\fan");
    EXPECT_EQ(session.project.settingsPath, "Varnolux.ini");
}

TEST_F(LoadSequence, WatchedItemsSkipARemovedVariable) {
    PutProject("fan");
    PutSource("Varnolux.ini", "[Watched Items]\nWatch00=removed\nWatch01=speed\nWatch02=\n");
    LoadAtStartup(session, seams, hooks);
    ASSERT_EQ(session.records.size(), 2u);
    EXPECT_EQ(session.records[0].VarInWatchList, 0);
    EXPECT_EQ(session.records[1].VarInWatchList, 1);
}

TEST_F(LoadSequence, TraceFileStartsEmptyWhenDiagnosticsAreOn) {
    PutProject("fan");
    os.PutFile("fan.txt", "old trace");
    session.settings.UDTdisplay = 1;
    LoadAtStartup(session, seams, hooks);
    EXPECT_EQ(os.ReadFile("fan.txt"), std::string());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "CreateRecordDiagnostics"), calls.end());
    EXPECT_EQ(TraceFileName("C:\\a.b\\fan.lst"), "C:\\a.b\\fan.txt");
}

}  // namespace
}  // namespace varnolux
