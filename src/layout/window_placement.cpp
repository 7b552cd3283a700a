#include "layout/window_placement.h"

#include <algorithm>

namespace varnolux {

namespace {

// Fits one axis [low, high) into [areaLow, areaHigh).
void FitAxis(int32_t& low, int32_t& high, int32_t areaLow, int32_t areaHigh) {
    if (high - low > areaHigh - areaLow) {
        low = areaLow;
        high = areaHigh;
    }
    if (low < areaLow) {
        high += areaLow - low;
        low = areaLow;
    }
    if (high > areaHigh) {
        low -= high - areaHigh;
        high = areaHigh;
    }
}

}  // namespace

Rect FitIntoWorkArea(Rect r, const Rect& work) {
    FitAxis(r.left, r.right, work.left, work.right);
    FitAxis(r.top, r.bottom, work.top, work.bottom);
    return r;
}

Rect PlaceMainWindow(Rect r, const Rect& work) {
    if (r.right <= r.left || r.bottom <= r.top) {
        const int32_t width = std::min(kFirstRunWidth, work.right - work.left);
        const int32_t height = std::min(kFirstRunHeight, work.bottom - work.top);
        r.left = work.left + (work.right - work.left - width) / 2;
        r.top = work.top + (work.bottom - work.top - height) / 2;
        r.right = r.left + width;
        r.bottom = r.top + height;
    }
    r = FitIntoWorkArea(r, work);
    if (r.left == work.left && r.right == work.right) r.right += 2;
    if (r.top == work.top && r.bottom == work.bottom) r.bottom += 2;
    return r;
}

}  // namespace varnolux
