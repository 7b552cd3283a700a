#include "link/modify.h"

#include <cstring>

#include "link/modify_text.h"
#include "link/protocol.h"
#include "vars/list_context.h"
#include "vars/value_decode.h"
#include "vars/value_format.h"

namespace varnolux {

namespace {

constexpr uint32_t kModifiedItemFlag = 1u << 14;

uint32_t FloatBits(float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

}  // namespace

ConfirmOutcome ConfirmModify(Session& session, ReportList& list, const std::string& text) {
    ConfirmOutcome outcome;
    PendingModify& m = session.modify;
    const int index = m.ModifyRecordIndex;
    const bool known = index >= 0 && static_cast<size_t>(index) < session.records.size();
    const ModifyReading reading = ReadModifyText(text.substr(0, 260));
    if (!known || session.run.ModifyPending.load() != 0 ||
        !ModifyValueFits(session.records[index].VarType, reading)) {
        outcome.editText = "Invalid value";
        return outcome;
    }
    const MyVarRecord& r = session.records[index];
    m.ModifyValue = reading.value;
    m.ModifyFloat = reading.floatValue;
    m.VarType = r.VarType;
    m.VarAddress = r.VarAddress;
    m.BitNumber = r.VarLen;
    session.run.ModifyPending = 1;

    // The list may have been rebuilt while the window was open: the row is
    // found by the variable's label, not by the row it had then.
    const int row = RowOfLabel(list, r.VarLabel);
    if (row >= 0) {
        m.ModifyItemIndex = row;
        std::string cell;
        if (r.VarType == VT_FLOAT)
            cell = FloatText(FloatBits(reading.floatValue));
        else
            cell = (reading.value >= 0 ? " " : "") + std::to_string(reading.value);
        list.SetCellText(row, kColValue, cell);
        list.SetItemData(row, list.ItemData(row) | kModifiedItemFlag);
    }
    outcome.accepted = true;
    outcome.editText = text;
    return outcome;
}

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

bool ApplyModifyToRam(const HostPayload& payload, uint8_t* ram, size_t ramSize) {
    const size_t address = (static_cast<size_t>(payload[1]) << 8) | payload[2];
    const uint8_t size = payload[0];
    const size_t bytes = size == 0 ? 1 : size;
    if (size != 0 && size != 1 && size != 2 && size != 4) return false;
    if (address + bytes > ramSize) return false;
    if (size == 0) {
        ram[address] = static_cast<uint8_t>((ram[address] & payload[4]) | payload[3]);
        return true;
    }
    for (size_t k = 0; k < bytes; ++k) ram[address + k] = payload[3 + k];
    return true;
}

}  // namespace varnolux
