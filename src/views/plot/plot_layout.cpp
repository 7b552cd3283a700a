#include "views/plot/plot_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "views/plot/plot_reduce.h"

namespace varnolux {

namespace {

const Rgb kPalette[] = {{0, 90, 200},  {200, 40, 40}, {0, 140, 60},  {150, 60, 170},
                        {220, 120, 0}, {0, 150, 160}, {120, 90, 40}, {230, 60, 150},
                        {90, 90, 90},  {110, 150, 0}};

struct Reduced {
    const PlotTrace* trace;
    std::vector<PlotColumn> columns;
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
};

// The value range of the columns inside the plot (not those beyond its edges).
void Measure(Reduced& r, int width) {
    for (const PlotColumn& c : r.columns) {
        if (c.x < 0 || c.x >= width) continue;
        r.low = std::min(r.low, c.low);
        r.high = std::max(r.high, c.high);
    }
}

int YOf(double v, const PlotRange& scale, const PlotRect& band) {
    const double y = band.bottom - (v - scale.lo) / scale.Span() * band.Height();
    return static_cast<int>(std::lround(std::clamp(y, -1e6, 1e6)));
}

std::vector<PlotLine> Lines(const Reduced& r, const PlotRange& scale, const PlotRect& band,
                            int left) {
    std::vector<PlotLine> lines;
    lines.reserve(r.columns.size());
    for (const PlotColumn& c : r.columns)
        lines.push_back(PlotLine{left + c.x, YOf(c.first, scale, band), YOf(c.low, scale, band),
                                 YOf(c.high, scale, band), YOf(c.last, scale, band), c.joined});
    return lines;
}

}  // namespace

Rgb PlotColour(size_t n) {
    return kPalette[n % (sizeof kPalette / sizeof kPalette[0])];
}

double AxisAtPixel(const PlotPicture& picture, int x) {
    const int width = std::max(picture.area.Width() - 1, 1);
    return picture.xRange.lo + (x - picture.area.left) * picture.xRange.Span() / width;
}

PlotPicture LayOutPlot(const PlotStore& store, const PlotViewState& view, int width, int height) {
    PlotPicture p;
    p.area = {kPlotLeftMargin, kPlotTopMargin,
              std::max(width - kPlotRightMargin, kPlotLeftMargin + 1),
              std::max(height - kPlotBottomMargin, kPlotTopMargin + 1)};
    p.xRange = VisibleRange(view, store);
    const int plotWidth = p.area.Width();

    std::vector<Reduced> numbers, bits;
    for (const PlotTrace& t : store.Traces()) {
        if (!t.watched) continue;
        Reduced r{&t, ReduceTrace(store, t, view.axis, p.xRange, plotWidth)};
        Measure(r, plotWidth);
        (t.varType == VT_BIT ? bits : numbers).push_back(std::move(r));
    }

    // Bits take lanes from the bottom up; numbers share what is left.
    const int bitSpace =
        std::min(static_cast<int>(bits.size()) * kPlotBitBand, p.area.Height() / 2);
    const int lane = bits.empty() ? 0 : bitSpace / static_cast<int>(bits.size());
    PlotRect numberBand{p.area.left, p.area.top + 4, p.area.right, p.area.bottom - bitSpace - 4};

    NiceScale shared;
    if (view.sharedScale) {
        double low = std::numeric_limits<double>::infinity(), high = -low;
        for (const Reduced& r : numbers) {
            low = std::min(low, r.low);
            high = std::max(high, r.high);
        }
        shared = MakeNiceScale(std::isfinite(low) ? low : 0, std::isfinite(high) ? high : 0,
                               std::max(2, numberBand.Height() / 40));
        for (double v : shared.ticks)
            p.yTicks.push_back({YOf(v, shared.range, numberBand), TickText(v, shared.step)});
    }

    size_t n = 0;
    for (const Reduced& r : numbers) {
        PlotTraceLayout t;
        t.colour = PlotColour(n++);
        t.band = numberBand;
        NiceScale own = view.sharedScale ? shared
                                         : MakeNiceScale(std::isfinite(r.low) ? r.low : 0,
                                                         std::isfinite(r.high) ? r.high : 0, 5);
        t.legend = r.trace->label;
        if (!view.sharedScale)
            t.legend += " [" + TickText(own.range.lo, own.step) + " .. " +
                        TickText(own.range.hi, own.step) + "]";
        t.lines = Lines(r, own.range, numberBand, p.area.left);
        p.traces.push_back(std::move(t));
    }
    int laneBottom = p.area.bottom;
    for (const Reduced& r : bits) {
        PlotTraceLayout t;
        t.colour = PlotColour(n++);
        t.step = true;
        t.band = {p.area.left, laneBottom - lane + 3, p.area.right, laneBottom - 3};
        laneBottom -= lane;
        t.legend = r.trace->label;
        t.lines = Lines(r, PlotRange{0, 1}, t.band, p.area.left);
        p.traces.push_back(std::move(t));
    }

    const double leastStep = view.axis == PlotXAxis::DumpNumber ? 1 : 0;
    const std::vector<double> xs = TicksInside(p.xRange, std::max(2, plotWidth / 90), leastStep);
    const double step = xs.size() > 1 ? xs[1] - xs[0] : std::max(leastStep, 1e-3);
    for (double x : xs)
        p.xTicks.push_back(
            {p.area.left + static_cast<int>(
                               std::lround((x - p.xRange.lo) * (plotWidth - 1) / p.xRange.Span())),
             TickText(x, step)});
    return p;
}

int XTickLabelLeft(const PlotRect& area, int tick, int textWidth) {
    return std::max(tick - textWidth / 2, area.left + 2);
}

int YTickLabelTop(const PlotRect& area, int tick, int textHeight) {
    return std::min(tick - textHeight / 2, area.bottom + 2 - textHeight);
}

}  // namespace varnolux
