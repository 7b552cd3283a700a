#include "tools/tool_commands.h"

#include "seams/main_ids.h"
#include "tools/documents.h"
#include "tools/explorer.h"
#include "tools/help.h"
#include "tools/ide.h"
#include "tools/programs.h"

namespace varnolux {

bool RunToolCommand(int command, Session& session, Seams& seams) {
    switch (command) {
        case ids::kCmdDataSheet:
            OpenDataSheet(session, seams);
            return true;
        case ids::kCmdErrata:
            OpenErrata(session, seams);
            return true;
        case ids::kCmdXplorer:
            ShowExplorer(session, seams);
            return true;
        case ids::kCmdExitToProton:
            ShowIde(session, seams, true);
            return true;
        case ids::kCmdBitCalc:
            ShowBitCalc(session, seams);
            return true;
        case ids::kCmdLogic:
            ShowLogic(session, seams);
            return true;
        case ids::kCmdProtonIde:
            ShowIde(session, seams, false);
            return true;
        case ids::kCmdUserTool1:
            ShowUserTool1(session, seams);
            return true;
        case ids::kCmdUserTool2:
            ShowUserTool2(session, seams);
            return true;
        case ids::kCmdHelp:
            OpenHelp(session, seams);
            return true;
        default:
            return false;
    }
}

}  // namespace varnolux
