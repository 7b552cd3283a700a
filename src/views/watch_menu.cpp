#include "views/watch_menu.h"

namespace varnolux {

WatchMenuStates ComputeWatchMenuStates(const Session& session) {
    WatchMenuStates m;
    const bool comms = session.run.CommsEstablished.load() == 1;
    m.protonIdeEnabled = comms;
    m.eepromEnabled = comms;
    m.dataSheetEnabled = comms;
    m.errataEnabled = comms;
    m.resetEnabled = comms && session.device.Core != 14;
    return m;
}

}  // namespace varnolux
