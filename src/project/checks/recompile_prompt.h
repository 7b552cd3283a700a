#pragma once
// The prompt shown for every inconsistency between the project's files, the
// device and the target: recompile (open the IDE and end), continue, or end.
#include <string>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

enum class RecompileAnswer {
    Recompile,  // Yes: the IDE was opened on the main source and the main window closed
    Continue,   // No: go on as if nothing was found
    Exit,       // Cancel or the box closed: the main window was closed
};

// The message shown: text + the recommendation to recompile.
std::string RecompileMessage(const std::string& text);

// Shows the prompt and acts on the answer. Callers stop their work unless the
// answer is Continue.
RecompileAnswer RecompilePrompt(Session& session, Seams& seams, const std::string& text);

}  // namespace varnolux
