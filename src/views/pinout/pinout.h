#pragma once
// The Pinout window: which picture it shows and how large the window is made
// for it.
#include <cstdint>
#include <string>

#include "layout/anchors.h"
#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/settings_file.h"

namespace varnolux {

// The client area at creation and after a change of system settings or theme.
constexpr ClientSize kPinoutDefaultClient{539, 361};

// The picture of the source's device: the "Pinout" folder, "\", the device
// name and "pinout.png" ("E:\Pinout\18F25K22pinout.png").
std::string PinoutImagePath(const std::string& folder, const std::string& sourceDevice);

// The window's rectangle for a client area of `client`, where `frame` is what
// the window's frame adds to a client area. The top-left corner stays while
// the size does; a window whose size changes is kept within the work area, and
// one larger than the work area is cut to it, so the title bar stays on the
// screen and the picture keeps its natural size (only less of it is shown).
Rect PinoutWindowRect(const Rect& window, ClientSize client, ClientSize frame,
                      const Rect& workArea);

// Written when the window closes: the shared "AlwaysOnTopPO" and the window's
// rectangle. The caller applies the save rule.
SettingsWrite WritePinoutPlacement(HostOs& os, const std::string& path, const Rect& rect,
                                   int32_t alwaysOnTopPO);

}  // namespace varnolux
