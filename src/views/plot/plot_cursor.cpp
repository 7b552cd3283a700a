#include "views/plot/plot_cursor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "vars/value_format.h"
#include "views/plot/plot_reduce.h"

namespace varnolux {

namespace {

std::string Number(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

// Integers without a fraction; floats with the digits a single needs to come back exact.
std::string PlainNumber(const PlotTrace& t, double v) {
    return Number(t.varType == VT_FLOAT ? "%.9g" : "%.0f", v);
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::optional<size_t> NearestDump(const PlotStore& store, PlotXAxis axis, double x) {
    if (store.Empty()) return std::nullopt;
    const DumpSpan span = DumpsAround(store, axis, {x, x});
    size_t best = span.first;
    for (size_t i = span.first; i <= span.last; ++i)
        if (std::fabs(PlotX(store, axis, i) - x) < std::fabs(PlotX(store, axis, best) - x))
            best = i;
    return best;
}

std::optional<size_t> DumpAtTime(const PlotStore& store, double seconds) {
    const double* begin = store.Times();
    const double* end = begin + store.Size();
    // Within a microsecond: both sides divide the same count of microseconds.
    const double* at = std::lower_bound(begin, end, seconds - 1e-7);
    if (at == end || std::abs(*at - seconds) > 1e-7) return std::nullopt;
    return static_cast<size_t>(at - begin);
}

std::string CursorText(const PlotStore& store, size_t dump) {
    std::string text = "DumpID " + std::to_string(store.DumpId(dump)) + "   dump " +
                       Number("%.0f", store.Number(dump)) + "   " +
                       Number("%.3f", store.Seconds(dump)) + " s";
    const size_t slot = store.Begin() + dump;
    for (const PlotTrace& t : store.Traces()) {
        if (!t.watched) continue;
        text += "   " + t.label + " ";
        text += std::isnan(t.values[slot])
                    ? std::string("-")
                    : Trim(FormatRawValue(t.varType, t.radix, t.raws[slot], false));
    }
    return text;
}

std::string PlotCsv(const PlotStore& store, PlotXAxis axis, const PlotRange& range) {
    std::string csv = "DumpID,Seconds";
    for (const PlotTrace& t : store.Traces())
        if (t.watched) csv += "," + t.label;
    csv += "\r\n";
    for (size_t i = 0; i < store.Size(); ++i) {
        const double x = PlotX(store, axis, i);
        if (x < range.lo || x > range.hi) continue;
        csv += std::to_string(store.DumpId(i)) + "," + Number("%.3f", store.Seconds(i));
        const size_t slot = store.Begin() + i;
        for (const PlotTrace& t : store.Traces()) {
            if (!t.watched) continue;
            csv += ",";
            if (!std::isnan(t.values[slot])) csv += PlainNumber(t, t.values[slot]);
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace varnolux
