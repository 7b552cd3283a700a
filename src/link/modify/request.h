#pragma once
// The link thread's side of writing a value into the target: the MT_MODIFY
// request for the value the user confirmed.
#include <cstdint>

#include "link/packets/host_packet.h"
#include "state/session.h"

namespace varnolux {

// Size code of byte 3 by VarType: bit 0, bytes 1, words 2, double words and floats 4.
uint8_t ModifySizeCode(int32_t varType);
// Bytes 3..9 of the request: size code, address high and low, four value bytes.
HostPayload BuildModifyPayload(const PendingModify& modify);
// The pending value a payload was built from, as far as the payload tells it:
// the value bytes as a byte, word or double word of the size code (a float's
// bytes included), a bit with its number. BuildModifyPayload of it gives the
// same payload again.
PendingModify ModifyOfPayload(const HostPayload& payload);
// The whole 11-byte request for the pending value.
HostPacket BuildModifyRequest(Session& session);

}  // namespace varnolux
