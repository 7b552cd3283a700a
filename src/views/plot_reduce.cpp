#include "views/plot_reduce.h"

#include <algorithm>
#include <cmath>

namespace varnolux {

namespace {

// First dump whose x is not below `x` (Size() when none).
size_t LowerBound(const PlotStore& store, PlotXAxis axis, double x) {
    size_t lo = 0, hi = store.Size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (PlotX(store, axis, mid) < x)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

}  // namespace

DumpSpan DumpsAround(const PlotStore& store, PlotXAxis axis, const PlotRange& range) {
    if (store.Empty()) return {};
    size_t first = LowerBound(store, axis, range.lo);
    if (first > 0) --first;
    size_t last = LowerBound(store, axis, range.hi);
    if (last >= store.Size()) last = store.Size() - 1;
    return {first, last};
}

std::vector<PlotColumn> ReduceTrace(const PlotStore& store, const PlotTrace& trace, PlotXAxis axis,
                                    const PlotRange& range, int width) {
    std::vector<PlotColumn> columns;
    const DumpSpan span = DumpsAround(store, axis, range);
    if (span.first > span.last || width <= 0 || !(range.Span() > 0)) return columns;
    // The range's ends fall on the first and the last pixel column.
    const double perUnit = (width - 1) / range.Span();
    const double* values = trace.values.data() + store.Begin();
    bool gap = true;
    for (size_t i = span.first; i <= span.last; ++i) {
        const double v = values[i];
        if (std::isnan(v)) {
            gap = true;
            continue;
        }
        const double px = std::floor((PlotX(store, axis, i) - range.lo) * perUnit + 0.5);
        // Far outside the plot a column only gives a line its direction.
        const int x = static_cast<int>(std::clamp(px, -1.0 * width, 2.0 * width));
        if (!gap && !columns.empty() && columns.back().x == x) {
            PlotColumn& c = columns.back();
            c.low = std::min(c.low, v);
            c.high = std::max(c.high, v);
            c.last = v;
            continue;
        }
        columns.push_back(PlotColumn{x, v, v, v, v, !gap && !columns.empty()});
        gap = false;
    }
    return columns;
}

}  // namespace varnolux
