#pragma once
// The states of the Watch window's menu (2803), applied each time it opens.
#include <string>

#include "state/session.h"

namespace varnolux {

struct WatchMenuStates {
    // Enabled once the target has talked to us; "Reset" not on a core-14 device.
    bool protonIdeEnabled = false;
    bool eepromEnabled = false;
    bool dataSheetEnabled = false;
    bool errataEnabled = false;
    bool resetEnabled = false;
};

WatchMenuStates ComputeWatchMenuStates(const Session& session);

}  // namespace varnolux
