#include "views/watch/watch_menu.h"

#include <algorithm>

#include "seams/main_ids.h"

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

std::vector<std::pair<int, bool>> WatchMenuEnabled(const WatchMenuStates& m) {
    return {{ids::kCmdProtonIde, m.protonIdeEnabled},
            {ids::kCmdViewEeprom, m.eepromEnabled},
            {ids::kCmdDataSheet, m.dataSheetEnabled},
            {ids::kCmdErrata, m.errataEnabled},
            {ids::kCmdReset, m.resetEnabled}};
}

const std::vector<int>& WatchMenuCommands() {
    static const std::vector<int> commands = {
        ids::kCmdWatchViewPort, ids::kCmdWatchViewSource, ids::kCmdViewEeprom, ids::kCmdViewPlot,
        ids::kCmdViewStopRules, ids::kCmdDataSheet,       ids::kCmdErrata,     ids::kCmdViewPinout,
        ids::kCmdXplorer,       ids::kCmdProtonIde,       ids::kCmdBitCalc,    ids::kCmdLogic,
        ids::kCmdUserTool1,     ids::kCmdUserTool2,       ids::kCmdReset,      ids::kCmdWatchAbout,
        ids::kCmdHelp};
    return commands;
}

bool IsWatchMenuCommand(int id) {
    const std::vector<int>& commands = WatchMenuCommands();
    return std::find(commands.begin(), commands.end(), id) != commands.end();
}

}  // namespace varnolux
