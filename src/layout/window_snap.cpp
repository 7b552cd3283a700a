#include "layout/window_snap.h"

namespace varnolux {

Rect SnapToWorkArea(const Rect& window, const Rect& workArea, int32_t snapSize) {
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - window.top;
    Rect r = window;
    if (r.top < workArea.top + snapSize) r.top = workArea.top;
    if (r.right > workArea.right - snapSize) r.right = workArea.right;
    if (r.left < 0 || (r.left > 0 && r.left < workArea.left + snapSize))
        r.right = workArea.left + width;
    r.left = r.right - width;
    r.bottom = r.top + height;
    if (r.bottom > workArea.bottom) r.bottom = workArea.bottom;
    return r;
}

}  // namespace varnolux
