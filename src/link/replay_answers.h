#pragma once
// A replay's engine answers the target as the live link did: before it reads
// a "c" or "d", the host's request that the recording holds in answer to it is
// made pending, as the user or the load made it pending live, and a hold the
// user let go ("b" to a dump point that asked to wait) is let go again.
#include "link/replay_port.h"
#include "state/session.h"

namespace varnolux {

// Sets RomCheckPending, ModifyPending (with the value) and ResetRequested as
// the recorded answer to `turn` says, and clears TargetWaiting when it is a
// "b" to a "d". Other turns change nothing.
void FollowRecordedTurn(Session& session, const RecordedTurn& turn);

}  // namespace varnolux
