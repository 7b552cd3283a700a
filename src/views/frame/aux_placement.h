#pragma once
// Where an auxiliary window goes: the keys "Left", "Right", "Top" and "Bottom"
// it keeps in its own section of the settings file, and its place when none
// is stored.
#include <string>

#include "layout/window_placement.h"
#include "seams/host_os.h"

namespace varnolux {

// The stored normal rectangle; missing keys read as 0, so a window that was
// never saved gets an empty rectangle.
Rect ReadWindowRect(const HostOs& os, const std::string& path, const std::string& section);
void WriteWindowRect(HostOs& os, const std::string& path, const std::string& section,
                     const Rect& rect);

inline bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// A window of this size beside its owner: right of it where it fits, else left
// of it, top edges level; kept within the work area.
Rect BesideOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea);

}  // namespace varnolux
