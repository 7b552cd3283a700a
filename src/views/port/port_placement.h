#pragma once
// The Port window's section of the settings file, "Port Placement": its
// rectangle, the list's column widths, the header's section widths and which
// ports are expanded.
#include <array>
#include <cstdint>
#include <string>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/settings_file.h"

namespace varnolux {

// Widths used where a stored width is 0.
constexpr std::array<int32_t, 5> kPortColumnWidths{116, 97, 94, 47, 47};
constexpr int32_t kPortHeaderWidth = 100;

struct PortPlacement {
    Rect rect;  // empty when none was stored
    std::array<int32_t, 5> columns = kPortColumnWidths;
    std::array<int32_t, 3> headers{kPortHeaderWidth, kPortHeaderWidth, kPortHeaderWidth};
    std::array<int32_t, 5> expanded{1, 1, 1, 1, 1};  // PortAExpanded .. PortEExpanded
};

// Read when the window is created; a stored width of 0 gives the built-in one.
PortPlacement ReadPortPlacement(const HostOs& os, const std::string& path);
// Written when the window closes, with the topmost state "AlwaysOnTopPO" that
// the Port and Pinout windows share. The caller applies the save rule.
SettingsWrite WritePortPlacement(HostOs& os, const std::string& path,
                                 const PortPlacement& placement, int32_t alwaysOnTopPO);

}  // namespace varnolux
