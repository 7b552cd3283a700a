// The EEPROM window's refresh of a 1024-byte EEPROM with 8 bytes per row, after
// a dump that changed one row, on the in-memory list. Reference: the main
// window's 100 ms refresh period; goal: under 0.5 % of it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "seams/memory/memory_report_list.h"
#include "views/eeprom/eeprom_rows.h"

namespace varnolux {
namespace {

constexpr int32_t kEepromSize = 1024;
constexpr int32_t kBytesPerLine = 8;

void RefreshOneRowChanged(benchmark::State& state) {
    DumpImage image;
    image.EepromImage.resize(kEepromSize + 1);
    for (int32_t a = 0; a <= kEepromSize; ++a)
        image.EepromImage[static_cast<size_t>(a)].Value = static_cast<uint8_t>(a * 7);
    MemoryReportList list(kEepromColumnCount);
    LayOutEepromRows(list, kEepromSize, kBytesPerLine);
    RefreshEepromRows(list, EepromSnapshot(image, kEepromSize), kBytesPerLine);

    uint8_t value = 0;
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // One byte of row 64 changes at every dump.
        image.EepromImage[515].Value = ++value;
        state.ResumeTiming();
        written += RefreshEepromRows(list, EepromSnapshot(image, kEepromSize), kBytesPerLine);
    }
    if (written != static_cast<int>(state.iterations()))
        state.SkipWithError("not one row per dump");
}

BENCHMARK(RefreshOneRowChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(3, "0.5")
