// One Watch window fill: 20 watched variables of a 500-record table with seven
// history columns, taken under the lock and written into the in-memory list.
// Reference: the main window's 100 ms refresh period, after which the Watch
// window fills; goal: under 0.5 % of it.
#include <benchmark/benchmark.h>

#include "bench_fixture.h"
#include "bench_report.h"
#include "seams/memory/memory_report_list.h"
#include "state/session.h"
#include "vars/record_update.h"
#include "views/watch/watch_rows.h"

namespace varnolux {
namespace {

constexpr int kRecords = 500;
constexpr int kWatched = 20;

void WatchFillTwentyDepthSeven(benchmark::State& state) {
    Session session;
    session.run.ProjectLoaded = 1;
    session.records = EveryTypeRecords(kRecords, "Variable_");
    for (int i = 0; i < kRecords; ++i) {
        MyVarRecord& r = session.records[static_cast<size_t>(i)];
        if (i % 3 == 0) r.VarLabel = "buf#" + std::to_string(i);
        r.VarInWatchList = i % (kRecords / kWatched) == 0 ? 1 : 0;
        // Nine dumps: a full history with DumpIDs 1 .. 8.
        for (int d = 1; d <= 9; ++d) StoreNewValue(r, static_cast<uint32_t>(d * i), d - 1);
    }
    MemoryReportList list(kWatchColumns);
    for (auto _ : state) {
        WatchFill fill;
        {
            std::lock_guard<std::mutex> lock(session.recordsLock);
            fill = TakeWatchFill(session.records, kWatchDepthMax);
        }
        WriteWatchRows(list, fill, false);
    }
    benchmark::DoNotOptimize(list.cellWrites);
}

BENCHMARK(WatchFillTwentyDepthSeven)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(3, "0.5")
