#include "tools/programs.h"

#include <gtest/gtest.h>

#include "tool_fixture.h"
#include "tools/calculator_layout.h"

namespace varnolux {
namespace {

using Texts = std::vector<std::string>;

struct ProgramCase {
    const char* name;
    void (*command)(Session&, Seams&);
    std::string Settings::*path;
    const char* windowClass;
    const char* title;
    const char* missing;
};

const ProgramCase kPrograms[] = {
    {"BitCalc", ShowBitCalc, &Settings::BitCalc, "WindowsForms10.Window.8.app.0.378734a",
     "BitCalc v1.02", "BitCalc not found - check ini file and restart"},
    {"Logic", ShowLogic, &Settings::Logic, "Qt5QWindowIcon", "Saleae Logic Software",
     "Logic not found - check ini file and restart"},
    {"Tool1", ShowUserTool1, &Settings::UserTool1Path, "Notepad", "Varnolux.ini - Notepad",
     "UserTool1 not found - check ini file and restart"},
    {"Tool2", ShowUserTool2, &Settings::UserTool2Path, "CalcFrame", "Calculator",
     "UserTool2 not found - check ini file and restart"},
};

struct ProgramsTest : ToolFixture, ::testing::Test {};

TEST_F(ProgramsTest, MissingProgramShowsItsMessageAndIsNotSearched) {
    for (const ProgramCase& c : kPrograms) {
        ToolFixture f;
        c.command(f.session, f.seams);
        EXPECT_EQ(f.prompts.Texts(), Texts{c.missing}) << c.name;
        ASSERT_EQ(f.prompts.shown.size(), 1u);
        const PromptRequest& r = f.prompts.shown[0];
        EXPECT_EQ(r.caption, "Varnolux");
        EXPECT_EQ(r.icon, PromptIcon::Information);
        EXPECT_EQ(r.modality, PromptModality::Task);
        EXPECT_TRUE(r.topmost);
        EXPECT_TRUE(f.launcher.calls.empty()) << c.name;
    }
}

TEST_F(ProgramsTest, RunningProgramIsRestoredNotLaunched) {
    for (const ProgramCase& c : kPrograms) {
        ToolFixture f;
        f.Install(f.session.settings.*c.path);
        f.launcher.windows.push_back({"Other", "Other window"});
        f.launcher.windows.push_back({c.windowClass, c.title});
        c.command(f.session, f.seams);
        EXPECT_TRUE(f.launcher.started.empty()) << c.name;
        EXPECT_FALSE(f.launcher.windows[0].restored) << c.name;
        EXPECT_TRUE(f.launcher.windows[1].restored) << c.name;
        EXPECT_TRUE(f.prompts.shown.empty()) << c.name;
    }
}

TEST_F(ProgramsTest, WindowOfSameClassButOtherTitleDoesNotCount) {
    Install(session.settings.UserTool1Path);
    launcher.windows.push_back({"Notepad", "notes.txt - Notepad"});
    ShowUserTool1(session, seams);
    EXPECT_FALSE(launcher.windows[0].restored);
    EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(ProgramsTest, CommandLinesWhenLaunched) {
    Settings& s = session.settings;
    s.BitCalc = "C:\\Program Files\\BitCalc.exe";
    s.Logic = "C:\\Program Files\\Saleae LLC\\Logic.exe";
    s.UserTool1Path = "C:\\Windows\\System32\\Notepad.exe";
    s.UserTool1Par = "C:\\Varnolux\\Varnolux.ini";
    s.UserTool2Path = "C:\\Windows\\System32\\Calc.exe";
    for (auto path : {s.BitCalc, s.Logic, s.UserTool1Path, s.UserTool2Path}) Install(path);

    ShowBitCalc(session, seams);
    ShowLogic(session, seams);
    ShowUserTool1(session, seams);
    ShowUserTool2(session, seams);

    ASSERT_EQ(launcher.started.size(), 4u);
    EXPECT_EQ(launcher.started[0].commandLine, "\"C:\\Program Files\\BitCalc.exe\"");
    EXPECT_EQ(launcher.started[1].commandLine, "\"C:\\Program Files\\Saleae LLC\\Logic.exe\"");
    EXPECT_EQ(launcher.started[2].commandLine,
              "\"C:\\Windows\\System32\\Notepad.exe\" C:\\Varnolux\\Varnolux.ini");
    EXPECT_EQ(launcher.started[3].commandLine, "\"C:\\Windows\\System32\\Calc.exe\" ");
    EXPECT_EQ(launcher.started[0].program, s.BitCalc);
    EXPECT_EQ(launcher.started[2].program, s.UserTool1Path);
}

TEST_F(ProgramsTest, LongUserToolCommandLineIsKeptWhole) {
    Settings& s = session.settings;
    s.UserTool1Path = "D:\\Very Long Folder Name\\Another Level\\Editors\\MyEditor.exe";
    s.UserTool1Par = "/line:40 \"C:\\Projects\\Weather Station\\Firmware\\MAIN.bas\"";
    Install(s.UserTool1Path);
    ShowUserTool1(session, seams);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, "\"" + s.UserTool1Path + "\" " + s.UserTool1Par);
    EXPECT_GT(launcher.started[0].commandLine.size(), 49u);
}

TEST_F(ProgramsTest, Tool2SetsCalculatorLayoutAroundTheLaunch) {
    Install(session.settings.UserTool2Path);
    launcher.userKeys.insert("Software\\Microsoft\\Calc");
    ShowUserTool2(session, seams);
    const std::string cmd = "\"" + session.settings.UserTool2Path + "\" ";
    EXPECT_EQ(launcher.calls, (Texts{
                                  "OpenUserKey Software\\Microsoft\\Calc -> 1",
                                  "SetDwordValue 1 layout 2",
                                  "CloseKey 1",
                                  "RestoreWindow CalcFrame | Calculator -> none",
                                  "StartProgram " + session.settings.UserTool2Path + " | " + cmd,
                                  "RepaintMainWindow",
                                  "Pause 1000",
                                  "OpenUserKey Software\\Microsoft\\Calc -> 2",
                                  "SetDwordValue 2 layout 1",
                                  "CloseKey 2",
                              }));
    EXPECT_EQ(launcher.dwordValues["Software\\Microsoft\\Calc\\layout"], 1u);
}

TEST_F(ProgramsTest, Tool2CreatesMissingCalculatorKeyFirst) {
    Install(session.settings.UserTool2Path);
    launcher.windows.push_back({"CalcFrame", "Calculator"});
    ShowUserTool2(session, seams);
    EXPECT_EQ(launcher.calls, (Texts{
                                  "OpenUserKey Software\\Microsoft\\Calc -> 0",
                                  "CreateUserKey Software\\Microsoft\\Calc",
                                  "OpenUserKey Software\\Microsoft\\Calc -> 1",
                                  "SetDwordValue 1 layout 2",
                                  "CloseKey 1",
                                  "RestoreWindow CalcFrame | Calculator -> restored",
                                  "RepaintMainWindow",
                                  "Pause 1000",
                                  "OpenUserKey Software\\Microsoft\\Calc -> 2",
                                  "SetDwordValue 2 layout 1",
                                  "CloseKey 2",
                              }));
}

TEST(CalculatorLayout, KeyThatCannotBeMadeIsNotWritten) {
    MemoryLauncher launcher;
    launcher.keysCanBeCreated = false;
    EXPECT_FALSE(SetCalculatorLayout(launcher, 2));
    EXPECT_EQ(launcher.calls, (Texts{
                                  "OpenUserKey Software\\Microsoft\\Calc -> 0",
                                  "CreateUserKey Software\\Microsoft\\Calc",
                                  "OpenUserKey Software\\Microsoft\\Calc -> 0",
                              }));
    EXPECT_TRUE(launcher.dwordValues.empty());
}

}  // namespace
}  // namespace varnolux
