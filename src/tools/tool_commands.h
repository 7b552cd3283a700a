#pragma once
// The main window's document, tool and help commands in one dispatch.
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Runs DataSheet, Errata, Xplorer, Exit to Proton, BitCalc, Saleae Logic,
// Proton IDE, Tool1, Tool2 or Help; false for any other command.
bool RunToolCommand(int command, Session& session, Seams& seams);

}  // namespace varnolux
