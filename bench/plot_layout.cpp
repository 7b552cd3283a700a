// One Plot window redraw's model work: 20 watched variables with a full
// history of 100 000 dumps reduced and laid out for a plot 1000 pixels wide,
// once over every held dump and once zoomed to a tenth of them.
// Reference: the main window's 100 ms refresh period, after which the Plot
// window redraws; goal: under 5 % of it.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_report.h"
#include "vars/value_decode.h"
#include "views/plot/plot_layout.h"

namespace varnolux {
namespace {

constexpr int kTraces = 20;
constexpr int kDumps = 100000;

const PlotStore& FullStore() {
    static const PlotStore store = [] {
        static const int32_t kTypes[] = {VT_BYTE, VT_SWORD, VT_FLOAT, VT_BIT, VT_DWORD};
        PlotStore s(kDumps);
        std::vector<PlotSample> samples(kTraces);
        for (int d = 0; d < kDumps; ++d) {
            for (int t = 0; t < kTraces; ++t) {
                PlotSample& p = samples[static_cast<size_t>(t)];
                p.label = "Variable_" + std::to_string(t);
                p.varType = kTypes[t % 5];
                const double wave = 100 * std::sin(d / (50.0 + t));
                p.raw = p.varType == VT_FLOAT ? FloatBits(static_cast<float>(wave))
                        : p.varType == VT_BIT ? static_cast<uint32_t>(wave > 0)
                                              : static_cast<uint32_t>(static_cast<int32_t>(wave));
            }
            s.Append(d % 255 + 1, d * 0.05, samples);
        }
        return s;
    }();
    return store;
}

void LayOut(benchmark::State& state, double share) {
    const PlotStore& store = FullStore();
    PlotViewState view;
    if (share < 1) SelectView(view, store, kDumps * (1 - share), kDumps);
    for (auto _ : state) {
        const PlotPicture picture =
            LayOutPlot(store, view, 1000 + kPlotLeftMargin + kPlotRightMargin, 600);
        benchmark::DoNotOptimize(picture.traces.data());
    }
}

void PlotLayOutTwentyTracesAllDumps(benchmark::State& state) {
    LayOut(state, 1.0);
}
void PlotLayOutTwentyTracesTenthOfTheDumps(benchmark::State& state) {
    LayOut(state, 0.1);
}

BENCHMARK(PlotLayOutTwentyTracesAllDumps)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlotLayOutTwentyTracesTenthOfTheDumps)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(3, "5")
