#pragma once
// A trace reduced to the pixel columns of the plot: every column that holds
// dumps keeps the first, lowest, highest and last value of them, so the
// drawing costs the same for a hundred dumps or a hundred thousand and no
// local extreme is lost.
#include <vector>

#include "views/plot/plot_axis.h"
#include "views/plot/plot_store.h"

namespace varnolux {

struct PlotColumn {
    int x = 0;  // pixel column; the dump just outside either edge lies beyond 0 .. width - 1
    double first = 0;
    double low = 0;
    double high = 0;
    double last = 0;
    bool joined = false;  // continues the previous column (no gap of unwatched dumps between)
};

// The held dumps from the one before `range` to the one after it, as columns
// of a plot `width` pixels wide.
std::vector<PlotColumn> ReduceTrace(const PlotStore& store, const PlotTrace& trace, PlotXAxis axis,
                                    const PlotRange& range, int width);

// First and last held dump to draw for the range: one beyond each edge where
// there is one. first > last when nothing is held.
struct DumpSpan {
    size_t first = 1;
    size_t last = 0;
};
DumpSpan DumpsAround(const PlotStore& store, PlotXAxis axis, const PlotRange& range);

}  // namespace varnolux
