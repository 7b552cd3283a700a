// UpdateRecordsFromDump over a full table of 2000 records, as the link thread
// runs it after every dump. Reference: the main window's 100 ms refresh period;
// the update should take well under 1 % of it.
#include <benchmark/benchmark.h>

#include "bench_fixture.h"
#include "bench_report.h"
#include "vars/record_update.h"

namespace varnolux {
namespace {

DumpImage FilledImage(uint8_t seed) {
    DumpImage image;
    for (int32_t c = 0; c < kRamTop; ++c) {
        image.RamImage[c].Implemented = 1;
        image.RamImage[c].Received = 1;
        image.RamImage[c].Value = uint8_t(c * 7 + seed);
    }
    return image;
}

void UpdateUnchanged(benchmark::State& state) {
    VarTable records = EveryTypeRecords(kMaxRecords, "v");
    DumpImage image = FilledImage(0);
    for (auto _ : state) {
        ++image.DumpId;
        benchmark::DoNotOptimize(UpdateRecordsFromDump(records, image));
    }
}

void UpdateAllChanged(benchmark::State& state) {
    VarTable records = EveryTypeRecords(kMaxRecords, "v");
    DumpImage images[2] = {FilledImage(0), FilledImage(1)};
    int32_t id = 0;
    for (auto _ : state) {
        DumpImage& image = images[id & 1];
        image.PreviousDumpId = id;
        image.DumpId = ++id;
        benchmark::DoNotOptimize(UpdateRecordsFromDump(records, image));
    }
}

BENCHMARK(UpdateUnchanged);
BENCHMARK(UpdateAllChanged);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(4, "1")
