#pragma once
// The Plot window's picture in pixels: the plot area, the ticks of both axes,
// and every watched trace reduced to its columns, numbers in the upper part on
// a shared scale or each on its own, bits as steps in a band of their own
// below. The Win32 side only draws it.
#include <string>
#include <vector>

#include "vars/main_list.h"
#include "views/plot/plot_axis.h"
#include "views/plot/plot_store.h"

namespace varnolux {

struct PlotRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct PlotTick {
    int pos = 0;  // x or y pixel
    std::string text;
};

// One column of a trace in pixels (y grows downwards).
struct PlotLine {
    int x = 0;
    int yFirst = 0, yLow = 0, yHigh = 0, yLast = 0;
    bool joined = false;
};

struct PlotTraceLayout {
    std::string legend;  // the label; with its range when each trace has its own scale
    Rgb colour;
    bool step = false;  // a bit: drawn as steps in its band
    PlotRect band;      // the part of the plot it is scaled into
    std::vector<PlotLine> lines;
};

struct PlotPicture {
    PlotRect area;  // the frame of the plot inside the client area
    PlotRange xRange;
    std::vector<PlotTick> xTicks;
    std::vector<PlotTick> yTicks;  // shared scale only
    std::vector<PlotTraceLayout> traces;
};

constexpr int kPlotLeftMargin = 64;
constexpr int kPlotRightMargin = 12;
constexpr int kPlotTopMargin = 22;  // the legend's line
constexpr int kPlotBottomMargin = 22;
constexpr int kPlotBitBand = 18;  // height of each bit's step lane

// The colour of the n-th trace.
Rgb PlotColour(size_t n);

// The picture of the watched traces for a client area of width × height.
PlotPicture LayOutPlot(const PlotStore& store, const PlotViewState& view, int width, int height);

// The axis position of a pixel column of the picture, and back.
double AxisAtPixel(const PlotPicture& picture, int x);

// Where tick labels go so that they stay clear of the x axis's name ("dump",
// "s"), written right-aligned from the frame's left edge just below it: an x
// label is centred on its tick but starts right of the frame's left edge; a y
// label is centred on its tick but ends above the axis name's line.
int XTickLabelLeft(const PlotRect& area, int tick, int textWidth);
int YTickLabelTop(const PlotRect& area, int tick, int textHeight);

}  // namespace varnolux
