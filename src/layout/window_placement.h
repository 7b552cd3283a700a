#pragma once
// Where the main window is restored at start-up: the stored rectangle fitted
// into the desktop work area.
#include <cstdint>

namespace varnolux {

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Size of the main window when no rectangle has been stored yet.
constexpr int32_t kFirstRunWidth = 640;
constexpr int32_t kFirstRunHeight = 600;

// A rectangle larger than the work area is shrunk to it, one lying partly
// outside is moved in, and one that fills the work area exactly comes back
// 2 pixels wider and taller. An empty stored rectangle (first run) gives a
// window of the first-run size centred in the work area. Sizes are given at
// 96 dots per inch; the first-run size grows with a screen of more `dpi`.
constexpr int32_t kBaseDpi = 96;
Rect PlaceMainWindow(Rect stored, const Rect& workArea, int32_t dpi = kBaseDpi);

// The rectangle at the same top-left corner with its size grown from 96 dots
// per inch to `dpi`: where a window that was never placed opens.
Rect ScaledSize(const Rect& r, int32_t dpi);

// The rectangle moved into the work area; one larger than the work area is cut
// to it. Used for the auxiliary windows' stored placements.
Rect FitIntoWorkArea(Rect r, const Rect& workArea);

// Where a maximised window goes: its sizing frame just outside the work area
// on every side, so that its title bar is the work area's top line. `frameX`
// and `frameY` are the frame's thickness; the rectangle is relative to the
// monitor's top-left corner `monitorLeft`, `monitorTop`.
Rect MaximisedRect(const Rect& workArea, int32_t monitorLeft, int32_t monitorTop, int32_t frameX,
                   int32_t frameY);

}  // namespace varnolux
