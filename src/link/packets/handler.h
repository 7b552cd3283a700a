#pragma once
// A 32-byte target packet, after its 0x02 has been read.
#include <array>
#include <cstdint>

#include "link/line/link_context.h"

namespace varnolux {

using TargetPacket = std::array<uint8_t, 32>;

// Reads the other 31 bytes, checks, stores and answers the packet, counts and
// traces it, and hands an end packet to FinishTransaction.
void HandlePacket(LinkContext& link);
// The same for a packet already read (the byte reads are the caller's).
void ProcessPacket(LinkContext& link, const TargetPacket& packet);

bool IsTargetPacketType(uint8_t type);

}  // namespace varnolux
