#include "link/link_callouts.h"

namespace varnolux {

// Interim until the consistency checks land: the finding is shown as a box.
bool LinkRecompilePrompt(Session&, Seams& seams, const std::string& text) {
    seams.prompts.Inform(text);
    return true;
}

void LinkCheckProject(Session&, Seams&) {}

}  // namespace varnolux
