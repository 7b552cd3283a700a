#pragma once
// What the link thread does with an accepted end packet: DumpID history, the
// target's identity (first end packet only), status texts and labels, the
// record update and the refresh flag.
#include "link/line/link_context.h"
#include "link/packets/handler.h"

namespace varnolux {

void FinishTransaction(LinkContext& link, const TargetPacket& packet);

// The identity fields of the first end packet into session.identity; returns
// the text for status part 3 (empty for a core other than 14 and 16).
std::string TakeTargetIdentity(Session& session, const TargetPacket& packet);
// Status part 1: client protocol version and application version.
std::string ClientVersionText(const TargetIdentity& identity);
// The transition label: " 3 to 5   1.250 secs", or empty.
std::string TransitionLabel(int32_t previousDumpId, int32_t dumpId, const std::string& elapsed);

}  // namespace varnolux
