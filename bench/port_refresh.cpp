// RefreshPorts with all five ports present and expanded (45 rows), a new dump
// before each refresh, on the in-memory list. Reference: the main window's
// 100 ms refresh period; goal: under 0.5 % of it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "seams/memory/memory_report_list.h"
#include "state/session.h"
#include "views/port/port_view.h"

namespace varnolux {
namespace {

void RefreshFiveExpandedPorts(benchmark::State& state) {
    Session session;
    session.run.ProjectLoaded = 1;
    for (int p = 0; p < kShownPorts; ++p) {
        PortRecord& port = session.device.Ports[static_cast<size_t>(p)];
        port.Present = 1;
        port.DirectionPresent = 1;
        port.ImplementedBits = 0xFF;
        port.DirectionImage = 0xF0;
        for (int b = 0; b < 8; ++b)
            port.PinNames[static_cast<size_t>(b)] = "Pin" + std::to_string(p * 8 + b);
    }
    MemoryReportList list(kPortColumns);
    PortView view(session);
    view.Open(PortPlacement());
    view.Refresh(list, true);

    uint8_t count = 0;
    for (auto _ : state) {
        ++count;
        for (PortRecord& port : session.device.Ports) port.ValueImage = count;
        view.Refresh(list, true);
    }
    benchmark::DoNotOptimize(list.cellWrites);
}

BENCHMARK(RefreshFiveExpandedPorts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(4, "0.5")
