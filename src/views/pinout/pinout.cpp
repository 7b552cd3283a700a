#include "views/pinout/pinout.h"

#include "views/frame/window_keys.h"

namespace varnolux {

std::string PinoutImagePath(const std::string& folder, const std::string& sourceDevice) {
    return folder + "\\" + sourceDevice + "pinout.png";
}

Rect PinoutWindowRect(const Rect& window, ClientSize client, ClientSize frame,
                      const Rect& workArea) {
    Rect wanted = window;
    wanted.right = window.left + client.width + frame.width;
    wanted.bottom = window.top + client.height + frame.height;
    if (wanted == window) return window;
    return FitIntoWorkArea(wanted, workArea);
}

SettingsWrite WritePinoutPlacement(HostOs& os, const std::string& path, const Rect& rect,
                                   int32_t alwaysOnTopPO) {
    FormCloseState state;
    state.placementAvailable = true;
    state.normal = rect;
    state.topmost = alwaysOnTopPO != 0;
    return WriteWindowKeys(WindowKeysOf(ViewKind::Pinout), state, os, path);
}

}  // namespace varnolux
