#pragma once
// The states of the Watch window's menu (2803), applied each time it opens.
#include <string>
#include <utility>
#include <vector>

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
// The menu's commands those states are for, each with whether it is enabled.
std::vector<std::pair<int, bool>> WatchMenuEnabled(const WatchMenuStates& states);

// The commands of menu 2803, each the main window's command of the same text,
// which the main window runs.
const std::vector<int>& WatchMenuCommands();
bool IsWatchMenuCommand(int id);

}  // namespace varnolux
