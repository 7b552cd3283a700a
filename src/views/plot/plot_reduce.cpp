#include "views/plot/plot_reduce.h"

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
    // Positions as stored: times are shifted by the origin instead of each dump.
    const bool byNumber = axis == PlotXAxis::DumpNumber;
    const double* xs = byNumber ? store.Numbers() : store.Times();
    const double lo = range.lo + (byNumber ? 0 : store.Origin());
    const double* values = trace.values.data() + store.Begin();
    // The range's ends fall on the first and the last pixel column.
    const double perUnit = (width - 1) / range.Span();
    bool gap = true;
    size_t i = span.first;
    while (i <= span.last) {
        const double px = std::floor((xs[i] - lo) * perUnit + 0.5);
        // Far outside the plot a column only gives a line its direction.
        const int x = static_cast<int>(std::clamp(px, -1.0 * width, 2.0 * width));
        // The dumps before the next column's first position fall in this one.
        const double next = lo + (px + 0.5) / perUnit;
        const size_t end =
            static_cast<size_t>(std::lower_bound(xs + i + 1, xs + span.last + 1, next) - xs);
        double low = values[i], high = values[i];
        bool missing = false;
        for (size_t k = i; k < end; ++k) {
            const double v = values[k];
            missing |= std::isnan(v);
            low = v < low ? v : low;
            high = v > high ? v : high;
        }
        if (!missing) {
            columns.push_back(
                PlotColumn{x, values[i], low, high, values[end - 1], !gap && !columns.empty()});
            gap = false;
            i = end;
            continue;
        }
        // Dumps where the variable was not watched split the column.
        for (; i < end; ++i) {
            const double v = values[i];
            if (std::isnan(v)) {
                gap = true;
            } else if (gap || columns.empty() || columns.back().x != x) {
                columns.push_back(PlotColumn{x, v, v, v, v, !gap && !columns.empty()});
                gap = false;
            } else {
                PlotColumn& c = columns.back();
                c.low = std::min(c.low, v);
                c.high = std::max(c.high, v);
                c.last = v;
            }
        }
    }
    return columns;
}

}  // namespace varnolux
