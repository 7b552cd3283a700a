#pragma once
// Snapping a window to the edges of the work area after the user has moved or
// resized it.
#include <cstdint>

#include "layout/window_placement.h"

namespace varnolux {

// The window's new rectangle: a top edge within snapSize of the work area's
// top goes to it, likewise the right edge; a left edge off the screen (below 0)
// or right of 0 and within snapSize of the work area's left goes to it (this
// wins over the right edge; a left edge exactly at 0 is not snapped to the left).
// The width is kept; the bottom is kept within the work area.
Rect SnapToWorkArea(const Rect& window, const Rect& workArea, int32_t snapSize);

// The same without the left edge's step (the Watch window): only the top and
// the right edge snap.
Rect SnapToWorkAreaTopRight(const Rect& window, const Rect& workArea, int32_t snapSize);

}  // namespace varnolux
