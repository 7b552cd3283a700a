#include "tools/help.h"

namespace varnolux {

void OpenHelp(Session&, Seams& seams) {
    seams.launcher.ShellOpen("Varnolux.chm");
}

}  // namespace varnolux
