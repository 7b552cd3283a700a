#pragma once
// The host's 11-byte requests: 02 0B type, seven payload bytes, CRC-8.
#include <array>
#include <cstdint>

#include "link/line/link_context.h"
#include "state/project_facts.h"

namespace varnolux {

using HostPayload = std::array<uint8_t, 7>;
using HostPacket = std::array<uint8_t, 11>;

HostPacket BuildHostPacket(uint8_t type, const HostPayload& payload);
HostPayload RomCheckPayload(const RomReference& rom);
HostPayload ResetPayload();

// Writes the request one byte at a time; a failed byte is reported and the
// remaining bytes are still written.
void WriteHostPacket(LinkContext& link, const HostPacket& packet);
void SendHostPacket(LinkContext& link, uint8_t type, const HostPayload& payload);

}  // namespace varnolux
