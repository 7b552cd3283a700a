#pragma once
// "Help": the help file beside the program.
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Opens "Varnolux.chm" from the program file's folder with its associated
// viewer; when it is not there, says so and where it was looked for.
void OpenHelp(Session& session, Seams& seams);

}  // namespace varnolux
