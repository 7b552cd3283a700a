#include "tools/tool_commands.h"

#include "seams/main_ids.h"
#include "tools/documents.h"
#include "tools/explorer.h"
#include "tools/help.h"
#include "tools/ide.h"
#include "tools/programs.h"

namespace varnolux {

namespace {

// The Tools and Help menus' commands and what each opens or starts.
struct ToolCommand {
    int command;
    void (*run)(Session&, Seams&);
};

constexpr ToolCommand kToolCommands[] = {
    {ids::kCmdDataSheet, OpenDataSheet},
    {ids::kCmdErrata, OpenErrata},
    {ids::kCmdXplorer, ShowExplorer},
    {ids::kCmdExitToProton, [](Session& session, Seams& seams) { ShowIde(session, seams, true); }},
    {ids::kCmdBitCalc, ShowBitCalc},
    {ids::kCmdLogic, ShowLogic},
    {ids::kCmdProtonIde, ShowIde},
    {ids::kCmdUserTool1, ShowUserTool1},
    {ids::kCmdUserTool2, ShowUserTool2},
    {ids::kCmdHelp, OpenHelp},
};

}  // namespace

bool RunToolCommand(int command, Session& session, Seams& seams) {
    for (const ToolCommand& tool : kToolCommands) {
        if (tool.command != command) continue;
        tool.run(session, seams);
        return true;
    }
    return false;
}

}  // namespace varnolux
