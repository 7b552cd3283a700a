#pragma once
// The TopMost item of a window's system menu.
#include <optional>
#include <string>

#include "state/settings.h"

namespace varnolux {

constexpr const char* kMakeTopMost = "&Make TopMost";
constexpr const char* kUndoTopMost = "&Undo TopMost";

// The item's text for the "AlwaysOnTop" setting.
std::string TopMostItemText(int32_t alwaysOnTop);

struct TopMostChange {
    bool topmost;          // the window is to be made topmost (else non-topmost)
    std::string itemText;  // the item's new text
};

// Choosing the item: "&Make TopMost" makes the window topmost, "&Undo TopMost"
// undoes it; the window's setting (1 or 0) follows. Any other text changes nothing.
std::optional<TopMostChange> ToggleTopMost(int32_t& alwaysOnTop, const std::string& itemText);
// The main window's item, with "AlwaysOnTop".
std::optional<TopMostChange> ToggleTopMost(Settings& settings, const std::string& itemText);

}  // namespace varnolux
