#pragma once
// Writing a new value into a variable of the target: confirming the typed text
// on the user-interface thread, and the MT_MODIFY request the link thread sends.
#include <array>
#include <cstdint>
#include <string>

#include "link/host_packet.h"
#include "state/session.h"
#include "ui/report_list.h"

namespace varnolux {

struct ConfirmOutcome {
    bool accepted = false;
    std::string editText;  // "Invalid value" when not accepted
};

// Checks the typed text against the record ModifyRecordIndex; when it fits,
// fills Session::modify, sets ModifyPending and shows the value at once in the
// Value cell of the variable's row. Call with the records lock held.
ConfirmOutcome ConfirmModify(Session& session, ReportList& list, const std::string& text);

// Size code of byte 3 by VarType: bit 0, bytes 1, words 2, double words and floats 4.
uint8_t ModifySizeCode(int32_t varType);
// Bytes 3..9 of the request: size code, address high and low, four value bytes.
HostPayload BuildModifyPayload(const PendingModify& modify);
// The whole 11-byte request for the pending value, for the link thread.
HostPacket BuildModifyRequest(Session& session);

// The target's side: applies a request's payload to its RAM. False when the
// address or size does not fit the RAM.
bool ApplyModifyToRam(const HostPayload& payload, uint8_t* ram, size_t ramSize);

}  // namespace varnolux
