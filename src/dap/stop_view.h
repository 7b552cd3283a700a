#pragma once
// What a stop shows: the records with their values at the dump the target
// stopped at, the ports and the EEPROM, taken once at that dump so the
// editor's panes stay on it while the link goes on.
#include <array>
#include <cstdint>
#include <vector>

#include "state/device.h"
#include "state/session.h"
#include "state/var_record.h"

namespace varnolux::dap {

struct StopView {
    int32_t DumpId = -1;
    VarTable records;
    std::array<PortRecord, kPortCount> ports{};
    bool portsReceived = false;
    std::vector<uint8_t> eeprom;  // empty when the target sent none
};

// Takes the view of the dump just ended. Call outside the records lock (it
// takes it), on the link thread after the transaction or from the front end.
StopView TakeStopView(Session& session);

}  // namespace varnolux::dap
