#include "tools/tool_commands.h"

#include <gtest/gtest.h>

#include "seams/main_ids.h"
#include "tool_fixture.h"
#include "tools/user_tool_names.h"

namespace varnolux {
namespace {

TEST(ToolCommands, EachCommandReachesItsTool) {
    struct Case {
        int command;
        std::string message;  // what each says when nothing is installed
    } cases[] = {
        {ids::kCmdDataSheet,
         "OpenDataSheet Link to DataSheet not found\rC:\\Users\\Quelby\\Documents\\PIC "
         "PDFs\\18F26K42.link"},
        {ids::kCmdErrata, "File not found E:\\Errata\\18F26K42 errata.pdf"},
        {ids::kCmdXplorer, "Xplorer not found - check ini file and restart"},
        {ids::kCmdExitToProton, "Proton IDE not found - check ini file and restart"},
        {ids::kCmdBitCalc, "BitCalc not found - check ini file and restart"},
        {ids::kCmdLogic, "Logic not found - check ini file and restart"},
        {ids::kCmdProtonIde, "Proton IDE not found - check ini file and restart"},
        {ids::kCmdUserTool1, "UserTool1 not found - check ini file and restart"},
        {ids::kCmdUserTool2, "UserTool2 not found - check ini file and restart"},
        {ids::kCmdHelp,
         "OpenHelp help file C:\\Varnolux\\Varnolux.chm not found - it is looked for beside "
         "Varnolux.exe"},
    };
    for (const Case& c : cases) {
        ToolFixture f;
        EXPECT_TRUE(RunToolCommand(c.command, f.session, f.seams));
        EXPECT_EQ(f.prompts.Texts(), std::vector<std::string>{c.message}) << c.command;
    }
}

TEST(ToolCommands, HelpOpensHelpFileAndOtherCommandsAreNotTaken) {
    ToolFixture f;
    f.Install("C:\\Varnolux\\Varnolux.chm");
    EXPECT_TRUE(RunToolCommand(ids::kCmdHelp, f.session, f.seams));
    EXPECT_EQ(f.launcher.opened, std::vector<std::string>{"C:\\Varnolux\\Varnolux.chm"});
    EXPECT_FALSE(RunToolCommand(ids::kCmdExit, f.session, f.seams));
    EXPECT_TRUE(f.prompts.shown.empty());
}

TEST(UserToolMenuTexts, NamesCutToNineteenCharacters) {
    Settings s;
    s.UserTool1Name = "Notepad";
    s.UserTool2Name = "Programmable Calculator Deluxe";
    const std::vector<MenuItemText> texts = UserToolMenuTexts(s);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].command, ids::kCmdUserTool1);
    EXPECT_EQ(texts[0].text, "Notepad");
    EXPECT_EQ(texts[1].command, ids::kCmdUserTool2);
    EXPECT_EQ(texts[1].text, "Programmable Calcul");
}

}  // namespace
}  // namespace varnolux
