#include "seams/views.h"

#include "seams/main_ids.h"

namespace varnolux {

std::optional<ViewKind> ViewOfCommand(int commandId) {
    switch (commandId) {
        case ids::kCmdViewWatch:
            return ViewKind::Watch;
        case ids::kCmdViewSource:
        case ids::kCmdWatchViewSource:
            return ViewKind::Source;
        case ids::kCmdViewPort:
        case ids::kCmdWatchViewPort:
            return ViewKind::Port;
        case ids::kCmdViewEeprom:
            return ViewKind::Eeprom;
        case ids::kCmdViewSfr:
            return ViewKind::Sfr;
        case ids::kCmdViewPinout:
            return ViewKind::Pinout;
        case ids::kCmdViewPlot:
            return ViewKind::Plot;
        case ids::kCmdViewStopRules:
            return ViewKind::StopRules;
        case ids::kCmdAbout:
        case ids::kCmdWatchAbout:
            return ViewKind::About;
        default:
            return std::nullopt;
    }
}

}  // namespace varnolux
