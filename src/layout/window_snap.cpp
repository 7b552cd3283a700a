#include "layout/window_snap.h"

namespace varnolux {

namespace {

Rect Snap(const Rect& window, const Rect& workArea, int32_t snapSize, bool leftEdge) {
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - window.top;
    Rect r = window;
    if (r.top < workArea.top + snapSize) r.top = workArea.top;
    if (r.right > workArea.right - snapSize) r.right = workArea.right;
    if (leftEdge && (r.left < 0 || (r.left > 0 && r.left < workArea.left + snapSize)))
        r.right = workArea.left + width;
    r.left = r.right - width;
    r.bottom = r.top + height;
    if (r.bottom > workArea.bottom) r.bottom = workArea.bottom;
    return r;
}

}  // namespace

Rect SnapToWorkArea(const Rect& window, const Rect& workArea, int32_t snapSize) {
    return Snap(window, workArea, snapSize, true);
}

Rect SnapToWorkAreaTopRight(const Rect& window, const Rect& workArea, int32_t snapSize) {
    return Snap(window, workArea, snapSize, false);
}

}  // namespace varnolux
