// One Watch window fill: 20 watched variables of a 500-record table with seven
// history columns, taken under the lock and written into the in-memory list.
// Reference: the main window's 100 ms refresh period, after which the Watch
// window fills; goal: under 0.5 % of it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "seams/memory/memory_report_list.h"
#include "state/session.h"
#include "vars/record_update.h"
#include "views/watch/watch_rows.h"

namespace varnolux {
namespace {

constexpr double kRefreshPeriodNs = 100e6;
constexpr int kRecords = 500;
constexpr int kWatched = 20;

void WatchFillTwentyDepthSeven(benchmark::State& state) {
    static const int32_t kTypes[] = {VT_BIT,   VT_BYTE,  VT_WORD,   VT_DWORD,
                                     VT_SBYTE, VT_SWORD, VT_SDWORD, VT_FLOAT};
    Session session;
    session.run.ProjectLoaded = 1;
    for (int i = 0; i < kRecords; ++i) {
        MyVarRecord r;
        r.VarLabel = i % 3 == 0 ? "buf#" + std::to_string(i) : "Variable_" + std::to_string(i);
        r.VarType = kTypes[i % 8];
        r.VarAddress = 0x20 + 4 * i;
        r.VarInWatchList = i % (kRecords / kWatched) == 0 ? 1 : 0;
        // Nine dumps: a full history with DumpIDs 1 .. 8.
        for (int d = 1; d <= 9; ++d) StoreNewValue(r, static_cast<uint32_t>(d * i), d - 1);
        session.records.push_back(r);
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

int main(int argc, char** argv) {
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        return varnolux::BenchText(
            "%s: %.3f %% of the 100 ms refresh period (goal: under 0.5 %%)\n", name.c_str(),
            100.0 * ns / varnolux::kRefreshPeriodNs);
    });
}
