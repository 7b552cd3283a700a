#include "link/modify/request.h"

#include "link/line/protocol.h"
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

PendingModify ModifyOfPayload(const HostPayload& p) {
    PendingModify m;
    m.VarAddress = (p[1] << 8) | p[2];
    if (p[0] == 0) {
        // The OR mask names the bit when it is set, the AND mask when it is cleared.
        const uint8_t mask = p[3] != 0 ? p[3] : static_cast<uint8_t>(~p[4]);
        m.VarType = VT_BIT;
        m.ModifyValue = p[3] != 0 ? 1 : 0;
        while (m.BitNumber < 7 && (mask >> m.BitNumber) != 1) ++m.BitNumber;
        return m;
    }
    m.VarType = p[0] == 1 ? VT_BYTE : p[0] == 2 ? VT_WORD : VT_DWORD;
    uint32_t value = 0;
    for (int k = 0; k < 4; ++k) value |= static_cast<uint32_t>(p[3 + k]) << (8 * k);
    m.ModifyValue = value;
    return m;
}

HostPacket BuildModifyRequest(Session& session) {
    return BuildHostPacket(MT_MODIFY, BuildModifyPayload(session.modify));
}

}  // namespace varnolux
