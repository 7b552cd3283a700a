#pragma once
// The packet trace file: a debugging record of every counted packet, written
// when UDTdisplay is 1 to the file the load sequence created (TraceFileName).
#include <string>

#include "link/line/link_context.h"
#include "link/packets/handler.h"

namespace varnolux {

// The lines one packet adds, given the packet count after counting it.
std::string TraceRecord(const TargetPacket& packet, int32_t packetCount);
// Appends the packet's lines (opened, written and closed for each record).
void TracePacket(LinkContext& link, const TargetPacket& packet);

}  // namespace varnolux
