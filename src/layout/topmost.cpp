#include "layout/topmost.h"

namespace varnolux {

std::string TopMostItemText(int32_t alwaysOnTop) {
    return alwaysOnTop == 1 ? kUndoTopMost : kMakeTopMost;
}

std::optional<TopMostChange> ToggleTopMost(int32_t& alwaysOnTop, const std::string& itemText) {
    if (itemText == kMakeTopMost) {
        alwaysOnTop = 1;
        return TopMostChange{true, kUndoTopMost};
    }
    if (itemText == kUndoTopMost) {
        alwaysOnTop = 0;
        return TopMostChange{false, kMakeTopMost};
    }
    return std::nullopt;
}

std::optional<TopMostChange> ToggleTopMost(Settings& settings, const std::string& itemText) {
    return ToggleTopMost(settings.AlwaysOnTop, itemText);
}

}  // namespace varnolux
