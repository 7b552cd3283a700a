#pragma once
// The recompile prompt as the link asks it.
#include <string>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// The recompile prompt with the link's finding; true when the user chose to
// go on, false when the main window was closed.
bool LinkRecompilePrompt(Session& session, Seams& seams, const std::string& text);

}  // namespace varnolux
