#pragma once
// The keys "Left", "Right", "Top" and "Bottom" that every auxiliary window
// keeps in its own section of the settings file.
#include <string>

#include "layout/window_placement.h"
#include "ui/host_os.h"

namespace varnolux {

// The stored normal rectangle; missing keys read as 0, so a window that was
// never saved gets an empty rectangle.
Rect ReadWindowRect(const HostOs& os, const std::string& path, const std::string& section);
void WriteWindowRect(HostOs& os, const std::string& path, const std::string& section,
                     const Rect& rect);

inline bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace varnolux
