#include "link/line/link_callouts.h"

#include "project/checks/recompile_prompt.h"

namespace varnolux {

bool LinkRecompilePrompt(Session& session, Seams& seams, const std::string& text) {
    return RecompilePrompt(session, seams, text) == RecompileAnswer::Continue;
}

}  // namespace varnolux
