#include "tools/help.h"

namespace varnolux {

void OpenHelp(Session&, Seams& seams) {
    // The program's folder, not the project's: a replay may work in another one.
    const std::string path = seams.os.ProgramFolder() + "Varnolux.chm";
    if (!seams.os.FileExists(path)) {
        seams.prompts.Inform("OpenHelp help file " + path +
                             " not found - it is looked for beside Varnolux.exe");
        return;
    }
    seams.launcher.ShellOpen(path);
}

}  // namespace varnolux
