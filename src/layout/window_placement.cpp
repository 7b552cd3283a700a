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

Rect ScaledSize(const Rect& r, int32_t dpi) {
    const int64_t width = int64_t{r.right - r.left} * dpi / kBaseDpi;
    const int64_t height = int64_t{r.bottom - r.top} * dpi / kBaseDpi;
    return Rect{r.left, r.top, r.left + static_cast<int32_t>(width),
                r.top + static_cast<int32_t>(height)};
}

Rect PlaceMainWindow(Rect r, const Rect& work, int32_t dpi) {
    if (r.right <= r.left || r.bottom <= r.top) {
        const Rect firstRun = ScaledSize(Rect{0, 0, kFirstRunWidth, kFirstRunHeight}, dpi);
        const int32_t width = std::min(firstRun.right, work.right - work.left);
        const int32_t height = std::min(firstRun.bottom, work.bottom - work.top);
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

Rect MaximisedRect(const Rect& work, int32_t monitorLeft, int32_t monitorTop, int32_t frameX,
                   int32_t frameY) {
    return Rect{work.left - monitorLeft - frameX, work.top - monitorTop - frameY,
                work.right - monitorLeft + frameX, work.bottom - monitorTop + frameY};
}

}  // namespace varnolux
