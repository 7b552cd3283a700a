#pragma once
// The Proton IDE opened at the current dump point's source line.
#include "app/session.h"
#include "ui/seams.h"

namespace varnolux {

// "Proton IDE": writes the IDE's project file for the current dump point and
// starts the IDE, or brings its running window to the top.
void ShowIde(Session& session, Seams& seams);

}  // namespace varnolux
