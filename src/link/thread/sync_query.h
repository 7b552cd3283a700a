#pragma once
// The target's two single characters: "c" (sync) and "d" (query).
#include "link/line/link_context.h"

namespace varnolux {

// "c": reads and stops the run timer, then answers "h" or a pending request.
void HandleSync(LinkContext& link);
// "d": a pending request, or the run-on decision answered "b" or "a".
void HandleQuery(LinkContext& link);
// The run-on decision from the Continuous, Untill and Repeat controls; sets
// AutoContinue and moves the Untill count on. True = let the target run on.
bool DecideRunOn(LinkContext& link);

}  // namespace varnolux
