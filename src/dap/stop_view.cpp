#include "dap/stop_view.h"

#include <mutex>

#include "views/eeprom/eeprom_rows.h"

namespace varnolux::dap {

StopView TakeStopView(Session& session) {
    StopView v;
    v.portsReceived = session.run.PortsReceived.load() == 1;
    const bool eeprom = session.run.EepromAvailable.load() == 1;
    std::lock_guard<std::mutex> lock(session.recordsLock);
    v.DumpId = session.image.DumpId;
    v.records = session.records;
    v.ports = session.device.Ports;
    if (eeprom) v.eeprom = EepromSnapshot(session.image, session.device.EepromSize);
    return v;
}

}  // namespace varnolux::dap
