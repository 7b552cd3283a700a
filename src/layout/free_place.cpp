#include "layout/free_place.h"

#include <algorithm>
#include <cstdint>

namespace varnolux {

namespace {

int64_t Overlap(const Rect& a, const Rect& b) {
    const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int64_t OverlapWithAll(const Rect& r, const std::vector<Rect>& taken) {
    int64_t sum = 0;
    for (const Rect& t : taken) sum += Overlap(r, t);
    return sum;
}

Rect At(const Rect& r, int32_t left, int32_t top) {
    return Rect{left, top, left + (r.right - r.left), top + (r.bottom - r.top)};
}

}  // namespace

Rect FreePlace(const Rect& wanted, const std::vector<Rect>& taken, const Rect& workArea) {
    const int32_t width = wanted.right - wanted.left;
    const int32_t height = wanted.bottom - wanted.top;
    std::vector<Rect> candidates{wanted};
    for (const Rect& t : taken) {
        candidates.push_back(At(wanted, t.right, t.top));
        candidates.push_back(At(wanted, t.left, t.bottom));
        candidates.push_back(At(wanted, t.left - width, t.top));
        candidates.push_back(At(wanted, t.left, t.top - height));
    }
    Rect best = FitIntoWorkArea(wanted, workArea);
    int64_t bestOverlap = OverlapWithAll(best, taken);
    for (const Rect& c : candidates) {
        if (bestOverlap == 0) break;
        const Rect fitted = FitIntoWorkArea(c, workArea);
        const int64_t overlap = OverlapWithAll(fitted, taken);
        if (overlap < bestOverlap) {
            best = fitted;
            bestOverlap = overlap;
        }
    }
    return best;
}

}  // namespace varnolux
