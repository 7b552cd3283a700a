#include "tools/explorer.h"

#include <gtest/gtest.h>

#include "tool_fixture.h"

namespace varnolux {
namespace {

struct ExplorerTest : ToolFixture, ::testing::Test {
    ExplorerTest() { Install(explorer); }
    const std::string explorer = session.settings.Xplorer;
    // The folder's trailing backslash is doubled so that it does not escape the quote.
    const std::string launchLine = "\"" + explorer + "\" /M \"C:\\Proj\\\\\"";
};

TEST_F(ExplorerTest, NoExplorerWindowLaunchesOnProjectFolder) {
    ShowExplorer(session, seams);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, explorer);
    EXPECT_EQ(launcher.started[0].commandLine, launchLine);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ExplorerTest, WindowOnProjectFolderIsRestored) {
    launcher.windows.push_back({"ATL:ExplorerFrame", "xplorer2 lite - C:\\Proj"});
    ShowExplorer(session, seams);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(launcher.windows[0].restored);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ExplorerTest, WindowOnOtherFolderLeadsToNewExplorer) {
    launcher.windows.push_back({"ATL:ExplorerFrame", "xplorer2 lite - C:\\Other"});
    ShowExplorer(session, seams);
    EXPECT_FALSE(launcher.windows[0].restored);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, launchLine);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ExplorerTest, WindowOfAnotherExplorerIsReportedThenLaunched) {
    launcher.windows.push_back({"ATL:ExplorerFrame", "C:\\Proj"});
    ShowExplorer(session, seams);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"xplorer not found"});
    const PromptRequest& r = prompts.shown[0];
    EXPECT_EQ(r.caption, "");
    EXPECT_TRUE(r.foreground);
    EXPECT_EQ(r.modality, PromptModality::Task);
    EXPECT_FALSE(launcher.windows[0].restored);
    EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(ExplorerTest, LongProjectFolderIsPassedWhole) {
    session.project.programFolder =
        "C:\\Users\\Developer\\Documents\\Firmware Projects\\Weather Station Rev B\\Source "
        "Files\\Current\\";
    ShowExplorer(session, seams);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine,
              "\"" + explorer + "\" /M \"" + session.project.programFolder + "\\\"");
    EXPECT_GT(launcher.started[0].commandLine.size(), 99u);
}

TEST_F(ExplorerTest, LongTitleStillFindsTheProjectFolder) {
    session.project.programFolder = "C:\\" + std::string(120, 'p') + "\\";
    launcher.windows.push_back(
        {"ATL:ExplorerFrame", "xplorer2 lite - C:\\" + std::string(120, 'p')});
    ShowExplorer(session, seams);
    EXPECT_TRUE(launcher.windows[0].restored);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(ExplorerTest, MissingExplorerShowsMessageOnly) {
    session.settings.Xplorer = "C:\\nowhere\\x2.exe";
    ShowExplorer(session, seams);
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Xplorer not found - check ini file and restart"});
    EXPECT_TRUE(launcher.calls.empty());
}

}  // namespace
}  // namespace varnolux
