#pragma once
// Commands that bring up an external program from the Tools menu.
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

void ShowBitCalc(Session& session, Seams& seams);
void ShowLogic(Session& session, Seams& seams);
void ShowUserTool1(Session& session, Seams& seams);
// Also switches the calculator's "layout" value to 2 for its start and back to 1.
void ShowUserTool2(Session& session, Seams& seams);

// The command line a user tool is started with: the path as a quoted argument,
// one blank, the parameters as the user wrote them.
std::string UserToolCommandLine(const std::string& path, const std::string& parameters);

}  // namespace varnolux
