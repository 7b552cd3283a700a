#pragma once
// Scales of the Plot window: round tick values, the visible range of dumps and
// its zoom and pan.
#include <string>
#include <vector>

#include "views/plot/plot_store.h"

namespace varnolux {

enum class PlotXAxis { DumpNumber, Seconds };

struct PlotRange {
    double lo = 0;
    double hi = 1;
    double Span() const { return hi - lo; }
};

// Round steps (1, 2 or 5 times a power of ten) and a range widened to whole
// steps, so the first and last ticks enclose [lo, hi]. At most about `maxTicks`
// ticks; an empty or single-value range gets a unit around it.
struct NiceScale {
    PlotRange range;
    double step = 1;
    std::vector<double> ticks;
};
NiceScale MakeNiceScale(double lo, double hi, int maxTicks);

// Round ticks that lie inside the range (for the x axis, which keeps its range
// as the user zoomed it), no closer than `leastStep` (1 for dump numbers).
std::vector<double> TicksInside(const PlotRange& range, int maxTicks, double leastStep = 0);

// A tick's text: as few decimals as its step needs.
std::string TickText(double value, double step);

// The position of dump i on the x axis.
double PlotX(const PlotStore& store, PlotXAxis axis, size_t i);

// What the x range does as dumps come in.
enum class PlotFollow {
    All,     // every held dump ("Fit all")
    Latest,  // the range keeps its width, its right edge on the newest dump
    Fixed,   // the range stays where it was zoomed or panned to
};

struct PlotViewState {
    PlotXAxis axis = PlotXAxis::DumpNumber;
    bool sharedScale = true;
    bool paused = false;
    PlotFollow follow = PlotFollow::All;
    PlotRange range;  // the range last shown (Fixed, and the width for Latest)
};

// Every held dump on the axis; a single dump gets a unit range around it.
PlotRange FullRange(const PlotStore& store, PlotXAxis axis);
// The range to show now. While paused the last range is kept whatever follows.
PlotRange VisibleRange(const PlotViewState& view, const PlotStore& store);

// What "Save data..." writes: every held dump, or the visible range once the
// user zoomed, panned or selected part of them.
PlotRange SavedRange(const PlotViewState& view, const PlotStore& store);

// Zoom by `factor` (below 1 zooms in) about `at`; pan by `delta` axis units;
// select [lo, hi]. Each leaves the view following the newest dump when its
// right edge reaches it, else fixed.
void ZoomView(PlotViewState& view, const PlotStore& store, double at, double factor);
void PanView(PlotViewState& view, const PlotStore& store, double delta);
void SelectView(PlotViewState& view, const PlotStore& store, double lo, double hi);
void FitAll(PlotViewState& view, const PlotStore& store);
// Pause keeps the range shown at that moment while dumps are still recorded.
void SetPaused(PlotViewState& view, const PlotStore& store, bool paused);

}  // namespace varnolux
