#pragma once
// Where a window that was never placed opens: at its own place when no other
// window of the program is there, else at the nearest place beside one of them
// that is free, always within the work area.
#include <vector>

#include "layout/window_placement.h"

namespace varnolux {

// `wanted` moved so that it overlaps none of `taken` and lies within the work
// area. Tried in order: where it is, then right of, below, left of and above
// each taken window; where no place is free, the one that overlaps least.
Rect FreePlace(const Rect& wanted, const std::vector<Rect>& taken, const Rect& workArea);

}  // namespace varnolux
