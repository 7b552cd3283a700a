#include "views/plot/plot_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varnolux {

namespace {

double NiceStep(double span, int maxTicks) {
    const double rough = span / std::max(maxTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

// Smallest span a zoom may reach: one dump, or a millisecond of time.
double MinSpan(PlotXAxis axis) {
    return axis == PlotXAxis::DumpNumber ? 1.0 : 1e-3;
}

void Settle(PlotViewState& view, const PlotStore& store, PlotRange range) {
    const PlotRange full = FullRange(store, view.axis);
    if (range.Span() < MinSpan(view.axis)) {
        const double mid = (range.lo + range.hi) / 2;
        range = {mid - MinSpan(view.axis) / 2, mid + MinSpan(view.axis) / 2};
    }
    view.range = range;
    if (range.lo <= full.lo && range.hi >= full.hi)
        view.follow = PlotFollow::All;
    else
        view.follow = range.hi >= full.hi ? PlotFollow::Latest : PlotFollow::Fixed;
}

}  // namespace

NiceScale MakeNiceScale(double lo, double hi, int maxTicks) {
    NiceScale s;
    if (!(hi > lo)) {  // empty, single value or NaN
        const double mid = std::isfinite(lo) ? lo : 0;
        lo = mid - 1;
        hi = mid + 1;
    }
    s.step = NiceStep(hi - lo, maxTicks);
    s.range = {std::floor(lo / s.step) * s.step, std::ceil(hi / s.step) * s.step};
    const long count = std::lround(s.range.Span() / s.step);
    for (long k = 0; k <= count; ++k)
        s.ticks.push_back(s.range.lo + static_cast<double>(k) * s.step);
    return s;
}

std::vector<double> TicksInside(const PlotRange& range, int maxTicks, double leastStep) {
    std::vector<double> ticks;
    if (!(range.hi > range.lo)) return ticks;
    const double step = std::max(NiceStep(range.Span(), maxTicks), leastStep);
    for (double k = std::ceil(range.lo / step); k * step <= range.hi + step * 1e-9; ++k)
        ticks.push_back(k * step);
    return ticks;
}

std::string TickText(double value, double step) {
    int decimals = 0;
    while (decimals < 9 && std::fabs(step * std::pow(10.0, decimals) -
                                     std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    if (std::fabs(value) < step * 1e-6) value = 0;  // no "-0"
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double PlotX(const PlotStore& store, PlotXAxis axis, size_t i) {
    return axis == PlotXAxis::DumpNumber ? store.Number(i) : store.Seconds(i);
}

PlotRange FullRange(const PlotStore& store, PlotXAxis axis) {
    if (store.Empty()) return {0, 1};
    PlotRange r{PlotX(store, axis, 0), PlotX(store, axis, store.Size() - 1)};
    if (r.hi - r.lo < MinSpan(axis)) r = {r.lo - MinSpan(axis) / 2, r.lo + MinSpan(axis) / 2};
    return r;
}

PlotRange VisibleRange(const PlotViewState& view, const PlotStore& store) {
    if (view.paused) return view.range;
    switch (view.follow) {
        case PlotFollow::All:
            return FullRange(store, view.axis);
        case PlotFollow::Latest: {
            const double hi = FullRange(store, view.axis).hi;
            return {hi - view.range.Span(), hi};
        }
        case PlotFollow::Fixed:
            break;
    }
    return view.range;
}

PlotRange SavedRange(const PlotViewState& view, const PlotStore& store) {
    return view.follow == PlotFollow::All ? FullRange(store, view.axis) : VisibleRange(view, store);
}

void ZoomView(PlotViewState& view, const PlotStore& store, double at, double factor) {
    const PlotRange r = VisibleRange(view, store);
    Settle(view, store, {at - (at - r.lo) * factor, at + (r.hi - at) * factor});
}

void PanView(PlotViewState& view, const PlotStore& store, double delta) {
    const PlotRange r = VisibleRange(view, store);
    Settle(view, store, {r.lo + delta, r.hi + delta});
}

void SelectView(PlotViewState& view, const PlotStore& store, double lo, double hi) {
    Settle(view, store, {std::min(lo, hi), std::max(lo, hi)});
}

void FitAll(PlotViewState& view, const PlotStore& store) {
    view.follow = PlotFollow::All;
    view.range = FullRange(store, view.axis);
}

void SetPaused(PlotViewState& view, const PlotStore& store, bool paused) {
    if (paused && !view.paused) view.range = VisibleRange(view, store);
    view.paused = paused;
}

}  // namespace varnolux
