#include "link/modify_request.h"

#include "link/protocol.h"
#include "vars/value_decode.h"

namespace varnolux {

uint8_t ModifySizeCode(int32_t varType) {
    // A bit is written through its masks, flagged by size 0.
    return varType == VT_BIT ? 0 : static_cast<uint8_t>(ValueByteCount(varType));
}

HostPayload BuildModifyPayload(const PendingModify& m) {
    HostPayload p{};
    p[0] = ModifySizeCode(m.VarType);
    p[1] = static_cast<uint8_t>(m.VarAddress >> 8);
    p[2] = static_cast<uint8_t>(m.VarAddress);
    const uint32_t low32 = static_cast<uint32_t>(static_cast<uint64_t>(m.ModifyValue));
    if (m.VarType == VT_FLOAT) {
        // Microchip layout: exponent, sign with mantissa bits 22-16, then 15-8, 7-0.
        const uint32_t bits = FloatBits(m.ModifyFloat);
        p[3] = static_cast<uint8_t>(bits >> 23);
        p[4] = static_cast<uint8_t>(((bits >> 24) & 0x80) | ((bits >> 16) & 0x7F));
        p[5] = static_cast<uint8_t>(bits >> 8);
        p[6] = static_cast<uint8_t>(bits);
    } else if (m.VarType == VT_BIT) {
        const uint8_t mask = static_cast<uint8_t>(1u << (m.BitNumber & 7));
        p[3] = m.ModifyValue == 1 ? mask : 0x00;                         // OR mask
        p[4] = m.ModifyValue == 1 ? 0xFF : static_cast<uint8_t>(~mask);  // AND mask
        p[5] = static_cast<uint8_t>(low32 >> 16);
        p[6] = static_cast<uint8_t>(low32 >> 24);
    } else {
        for (int k = 0; k < 4; ++k) p[3 + k] = static_cast<uint8_t>(low32 >> (8 * k));
    }
    return p;
}

HostPacket BuildModifyRequest(Session& session) {
    return BuildHostPacket(MT_MODIFY, BuildModifyPayload(session.modify));
}

}  // namespace varnolux
