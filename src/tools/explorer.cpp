#include "tools/explorer.h"

#include "tools/activate.h"
#include "tools/command_line.h"

namespace varnolux {

namespace {
const char kExplorerClass[] = "ATL:ExplorerFrame";
}

std::string ExplorerCommandLine(const std::string& explorer, const std::string& folder) {
    return QuotedArgument(explorer) + " /M " + QuotedArgument(folder);
}

void ShowExplorer(Session& session, Seams& seams) {
    const std::string& explorer = session.settings.Xplorer;
    if (!ProgramPresent(seams, explorer, "Xplorer")) return;
    const std::string& folder = session.project.programFolder;
    const std::string commandLine = ExplorerCommandLine(explorer, folder);

    const std::optional<std::string> title = seams.launcher.WindowText(kExplorerClass);
    if (!title) {
        seams.launcher.StartProgram(explorer, commandLine);
        return;
    }
    // The title ends without a separator; the folder always has one.
    const std::string shown = *title + "\\";
    if (shown.find("xplorer") == std::string::npos) {
        ShowBareMessage(seams.prompts, "xplorer not found");
        seams.launcher.StartProgram(explorer, commandLine);
    } else if (shown.find(folder) == std::string::npos) {
        seams.launcher.StartProgram(explorer, commandLine);
    } else {
        seams.launcher.RestoreWindow(kExplorerClass, *title);
    }
}

}  // namespace varnolux
