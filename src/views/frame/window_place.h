#pragma once
// Where an auxiliary window opens: at its stored rectangle kept within the work
// area, or, never placed, at a place of its own that no other window of the
// program covers.
#include <cstdint>
#include <vector>

#include "layout/window_placement.h"

namespace varnolux {

inline bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// The stored rectangle fitted into the work area as the main window's is. A
// window that was never placed (nothing stored) opens at the rectangle it is
// created with, or beside the `taken` rectangles of the program's other
// windows when it would cover one.
Rect PlaceFormWindow(const Rect& stored, const Rect& created, const Rect& workArea,
                     const std::vector<Rect>& taken = {});

// A window of this size beside its owner: right of it where it fits, else left
// of it, top edges level; kept within the work area.
Rect BesideOwner(const Rect& owner, int32_t width, int32_t height, const Rect& workArea);

// The stored rectangle moved into the work area; never placed, a window of
// this size beside its owner, moved off the `taken` rectangles.
Rect PlaceBesideOwner(const Rect& stored, const Rect& owner, int32_t width, int32_t height,
                      const Rect& workArea, const std::vector<Rect>& taken);

}  // namespace varnolux
