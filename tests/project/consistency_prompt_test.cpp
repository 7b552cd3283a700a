#include <gtest/gtest.h>

#include "consistency_fixture.h"
#include "project/checks/recompile_prompt.h"

namespace varnolux::testing {
namespace {

using RecompilePromptTest = ConsistencyFixture;

TEST_F(RecompilePromptTest, ShowsTheRecommendationAndTheThreeAnswers) {
    prompts.Script(PromptAnswer::No);
    EXPECT_EQ(RecompilePrompt(session, seams, "Read single character failed"),
              RecompileAnswer::Continue);
    ASSERT_EQ(prompts.shown.size(), 1u);
    const PromptRequest& r = prompts.shown[0];
    EXPECT_EQ(r.text,
              "Read single character failed\r\n\r\nRecommend you recompile and reburn\r\n\r\n\r\n"
              "Do you want to recompile?\r\n\r\nYes to recompile\r\nNo to continue anyway\r\n"
              "Cancel to Exit");
    EXPECT_EQ(r.caption, "Varnolux");
    EXPECT_EQ(r.buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(r.icon, PromptIcon::Exclamation);
    EXPECT_TRUE(r.topmost);
    EXPECT_FALSE(view.closeRequested);
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(RecompilePromptTest, CancelOrClosingTheBoxEndsTheProgram) {
    for (PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::Closed}) {
        view.closeRequested = false;
        prompts.Script(answer);
        EXPECT_EQ(RecompilePrompt(session, seams, "x"), RecompileAnswer::Exit);
        EXPECT_TRUE(view.closeRequested);
        EXPECT_TRUE(launcher.started.empty());
    }
}

TEST_F(RecompilePromptTest, YesOpensTheIdeAtTheTopOfTheMainSourceAndEnds) {
    session.image.DumpId = 12;
    session.dumpPoints.entries[12] = DumpPoint{1, 40, 0, "in the include"};
    session.project.sourceFiles = {"OTHER.bas", "INC.bas"};
    prompts.Script(PromptAnswer::Yes);
    EXPECT_EQ(RecompilePrompt(session, seams, "x"), RecompileAnswer::Recompile);
    EXPECT_EQ(session.image.DumpId, 0);
    EXPECT_EQ(session.dumpPoints.entries[0].file, 0);
    EXPECT_EQ(session.dumpPoints.entries[0].line, 1);
    EXPECT_EQ(session.project.sourceFiles[0], "MAIN.bas");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_NE(launcher.started[0].commandLine.find("C:\\Varnolux\\MAIN.bas"), std::string::npos);
    EXPECT_NE(os.ReadFile("MAIN.mci")->find("CaretY=1\r\n"), std::string::npos);
    EXPECT_TRUE(view.closeRequested);
}

TEST_F(RecompilePromptTest, YesBeforeTheListingWasReadStillNamesTheMainSource) {
    session.project.sourceFiles.clear();
    prompts.Script(PromptAnswer::Yes);
    RecompilePrompt(session, seams, "x");
    ASSERT_EQ(session.project.sourceFiles.size(), 1u);
    EXPECT_EQ(session.project.sourceFiles[0], "MAIN.bas");
}

}  // namespace
}  // namespace varnolux::testing
