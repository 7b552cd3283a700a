#pragma once
// The target's side of a modify request, as the simulated firmware applies it.
#include <cstddef>
#include <cstdint>

#include "link/packets/host_packet.h"

namespace varnolux {

// Applies a request's payload to the RAM. False when the address or size does
// not fit the RAM.
bool ApplyModifyToRam(const HostPayload& payload, uint8_t* ram, size_t ramSize);

}  // namespace varnolux
