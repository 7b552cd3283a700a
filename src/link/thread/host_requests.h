#pragma once
// The host's own requests, each sent in place of the answer to a "c" or "d".
#include "link/line/link_context.h"

namespace varnolux {

// Sends the first pending request: a ROM check, else (when `updatesAllowed`,
// the UpdatesBefore or UpdatesAfter setting) a modify, else a reset. True when
// a request was sent; the others stay pending.
bool SendPendingRequest(LinkContext& link, bool updatesAllowed);

}  // namespace varnolux
