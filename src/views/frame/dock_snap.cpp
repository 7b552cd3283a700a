#include "views/frame/dock_snap.h"

#include <cstdlib>

namespace varnolux {

Rect DockBeside(const Rect& window, const Rect& reference, int32_t snapSize) {
    const bool overlap = reference.bottom > window.top && reference.top < window.bottom;
    if (!overlap || std::abs(window.right - reference.left) >= snapSize) return window;
    const int32_t width = window.right - window.left;
    const int32_t height = window.bottom - window.top;
    Rect r = window;
    r.right = reference.left;
    r.left = r.right - width;
    if (std::abs(window.top - reference.top) < snapSize) {
        r.top = reference.top;
        r.bottom = r.top + height;
    } else if (std::abs(window.bottom - reference.bottom) < snapSize) {
        r.bottom = reference.bottom;
        r.top = r.bottom - height;
    }
    return r;
}

}  // namespace varnolux
