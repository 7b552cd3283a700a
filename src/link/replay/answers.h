#pragma once
// A replay's engine answers the target as the live link did: before it reads
// a "c" or "d", the host's request that the recording holds in answer to it is
// made pending, as the user or the load made it pending live, and a dump point
// is held ("a") and let go ("b") where the live link held it and let it go.
#include <string>

#include "link/replay/port.h"
#include "state/session.h"

namespace varnolux {

// Sets RomCheckPending, ModifyPending (with the value) and ResetRequested as
// the recorded answer to `turn` says; an "a" to a "d" sets TargetWaiting (and
// SyncSeen, which the live link had), a "b" clears it. Other turns change nothing.
void FollowRecordedTurn(Session& session, const RecordedTurn& turn);

// How a replay's answers compared with the recorded ones, as every front end
// says it: "3 answers differ from the recorded ones"; empty when none differs.
std::string AnswerDifferenceText(int differ);

}  // namespace varnolux
