#pragma once
// Docking the Source, EEPROM and SFR windows to the left side of a reference
// window (the main window, or the Watch window while the main window is
// minimised) when the user drops them close to it.
#include <cstdint>

#include "layout/window_placement.h"

namespace varnolux {

// The window's new rectangle. Only when the two overlap vertically and the
// window's right edge is less than `snapSize` pixels from the reference's left
// edge: the right edge goes to that left edge, and then the top goes to the
// reference's top when less than `snapSize` from it, else the bottom to the
// reference's bottom when less than `snapSize` from it. Width and height are
// kept; a `snapSize` of 0 never snaps.
Rect DockBeside(const Rect& window, const Rect& reference, int32_t snapSize);

}  // namespace varnolux
