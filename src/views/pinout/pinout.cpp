#include "views/pinout/pinout.h"

#include "seams/ini_file.h"
#include "views/frame/aux_placement.h"

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

void WritePinoutPlacement(HostOs& os, const std::string& path, const Rect& rect,
                          int32_t alwaysOnTopPO) {
    IniWriteNumber(os, path, "Preferences", "AlwaysOnTopPO", alwaysOnTopPO);
    WriteWindowRect(os, path, kPinoutSection, rect);
}

}  // namespace varnolux
