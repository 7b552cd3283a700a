#pragma once
// The link's calls into the project consistency checks.
#include <string>

#include "app/session.h"
#include "ui/seams.h"

namespace varnolux {

// The recompile prompt with the link's finding.
void LinkRecompilePrompt(Session& session, Seams& seams, const std::string& text);
// The consistency checks on the first end packet.
void LinkCheckProject(Session& session, Seams& seams);

}  // namespace varnolux
