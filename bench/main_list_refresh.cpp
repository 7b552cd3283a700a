// RefreshListValues over 2000 rows, of which 10 % changed since the last dump,
// on the in-memory list. Reference: the main window's 100 ms refresh period;
// goal: under 2 % of it.
#include <benchmark/benchmark.h>

#include "bench_fixture.h"
#include "bench_report.h"
#include "seams/memory/memory_report_list.h"
#include "state/session.h"
#include "vars/main_list.h"
#include "vars/record_update.h"

namespace varnolux {
namespace {

constexpr int kRows = 2000;

void RefreshTenPercentChanged(benchmark::State& state) {
    Session session;
    session.run.ProjectLoaded = 1;
    session.records = EveryTypeRecords(kRows, "Variable_");
    MemoryReportList list;
    ListContext ctx(session, list);
    FillMainList(ctx);
    for (MyVarRecord& r : session.records) StoreNewValue(r, 1, 0);
    RefreshListValues(ctx);

    uint32_t value = 1;
    for (auto _ : state) {
        state.PauseTiming();
        ++value;
        for (int i = 0; i < kRows; ++i) {
            MyVarRecord& r = session.records[i];
            // Every tenth record changes; bits alternate between 0 and 1.
            const uint32_t v = i % 10 == 0 ? (r.VarType == VT_BIT ? value & 1 : value) : r.VarValue;
            StoreNewValue(r, v, 0);
        }
        state.ResumeTiming();
        RefreshListValues(ctx);
    }
    benchmark::DoNotOptimize(list.cellWrites);
}

BENCHMARK(RefreshTenPercentChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(3, "2")
