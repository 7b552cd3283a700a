#include "tools/ide.h"

#include <gtest/gtest.h>

#include "tool_fixture.h"

namespace varnolux {
namespace {

std::string Mci(const std::string& path, int line, int top) {
    return "[Project]\r\nFilename=" + path +
           "\r\n[Environment]\r\nCaretX=1\r\nCaretY=" + std::to_string(line) +
           "\r\nTopline=" + std::to_string(top) +
           "\r\n[Version]\r\nEnable=1\r\nRollover=255\r\nMajor=0\r\nMinor=0\r\nRelease=0\r\n"
           "Build=1\r\n[Results]\r\nVisible=0\r\nHeight=117\r\nView=2\r\n[Status]\r\n"
           "Message=Ready\r\nImage=0\r\n";
}

TEST(IdeProjectText, CaretAndTopLineFollowTheDumpLine) {
    struct Case {
        int line, top;
    } cases[] = {{1, 1}, {10, 1}, {11, 1}, {12, 2}, {500, 490}};
    for (const Case& c : cases)
        EXPECT_EQ(IdeProjectText("C:\\P\\a.bas", c.line), Mci("C:\\P\\a.bas", c.line, c.top))
            << "line " << c.line;
}

TEST(IdeProjectFileName, ReplacesOnlyTheNamesExtension) {
    EXPECT_EQ(IdeProjectFileName("MAIN.bas"), "MAIN.mci");
    EXPECT_EQ(IdeProjectFileName("my.prog.bas"), "my.prog.mci");
    EXPECT_EQ(IdeProjectFileName("NOEXT"), "NOEXT.mci");
    EXPECT_EQ(IdeProjectFileName("..\\lib\\NOEXT"), "..\\lib\\NOEXT.mci");
}

struct IdeTest : ToolFixture, ::testing::Test {
    IdeTest() {
        session.image.DumpId = 12;
        session.dumpPoints.entries[12] = DumpPoint{1, 500, 1, ""};
    }
    const std::string ide = session.settings.Proton;
};

TEST_F(IdeTest, WritesProjectFileAndStartsIdeAtDumpPoint) {
    Install(ide);
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("inc.mci").value_or(""), Mci("C:\\Proj\\inc.bas", 500, 490));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, ide);
    EXPECT_EQ(launcher.started[0].commandLine, "\"" + ide + "\" \"C:\\Proj\\inc.bas\"");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(IdeTest, RunningIdeIsRestoredAndProjectFileStillRewritten) {
    Install(ide);
    os.PutFile("inc.mci", "old");
    launcher.windows.push_back({"TApplication", "Proton IDE"});
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("inc.mci").value_or(""), Mci("C:\\Proj\\inc.bas", 500, 490));
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(launcher.windows[0].restored);
}

TEST_F(IdeTest, MissingIdeShowsMessageAndDoesNothingElse) {
    ShowIde(session, seams, true);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Proton IDE not found - check ini file and restart"});
    EXPECT_EQ(prompts.shown[0].caption, "Varnolux");
    EXPECT_FALSE(os.FileExists("inc.mci"));
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(IdeTest, ExitToProtonClosesMainWindowAfterLaunch) {
    Install(ide);
    ShowIde(session, seams, true);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_TRUE(view.closeRequested);
}

TEST_F(IdeTest, BeforeFirstDumpOpensMainSourceAtTop) {
    Install(ide);
    session.image.DumpId = -1;
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("MAIN.mci").value_or(""), Mci("C:\\Proj\\MAIN.bas", 1, 1));
}

TEST_F(IdeTest, RecompilePositionUsesScratchEntryZero) {
    Install(ide);
    session.image.DumpId = 0;
    session.dumpPoints.entries[0] = DumpPoint{0, 1, 0, ""};
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("MAIN.mci").value_or(""), Mci("C:\\Proj\\MAIN.bas", 1, 1));
}

TEST_F(IdeTest, UnwritableProjectFileIsReportedAndIdeStillOpens) {
    Install(ide);
    os.PutFile("inc.mci", "old");
    os.SetReadOnly("inc.mci", true);
    ShowIde(session, seams);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Unable to write inc.mci"});
    EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(IdeTest, ListedPathFromAnotherMachineOpensTheProjectFoldersFile) {
    Install(ide);
    session.project.sourceFiles = {"C:\\USERS\\ME\\THERMO\\MAIN.BAS",
                                   "C:\\USERS\\ME\\THERMO\\INC.BAS"};
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("INC.mci").value_or(""), Mci("C:\\Proj\\INC.BAS", 500, 490));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, "\"" + ide + "\" \"C:\\Proj\\INC.BAS\"");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(IdeTest, ListedPathThatExistsIsOpenedWhereItIs) {
    Install(ide);
    const std::string include = "D:\\Lib\\inc.bas";
    os.PutFile(include, "dump 12");
    session.project.sourceFiles = {"MAIN.bas", include};
    ShowIde(session, seams);
    EXPECT_EQ(os.ReadFile("inc.mci").value_or(""), Mci(include, 500, 490));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, "\"" + ide + "\" \"" + include + "\"");
}

}  // namespace
}  // namespace varnolux
