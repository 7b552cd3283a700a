#pragma once
// "Help": the help file beside the program.
#include "state/session.h"
#include "ui/seams.h"

namespace varnolux {

// Opens "Varnolux.chm" from the working folder with its associated viewer;
// a failure is not reported.
void OpenHelp(Session& session, Seams& seams);

}  // namespace varnolux
