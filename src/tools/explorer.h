#pragma once
// "Xplorer": the file explorer on the project folder.
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Brings up an explorer window that already shows the project folder, or
// starts the explorer on it.
void ShowExplorer(Session& session, Seams& seams);

// The explorer's path, " /M " and the folder, each a quoted argument.
std::string ExplorerCommandLine(const std::string& explorer, const std::string& folder);

}  // namespace varnolux
