// UpdateRecordsFromDump over a full table of 2000 records, as the link thread
// runs it after every dump. Reference: the main window's 100 ms refresh period;
// the update should take well under 1 % of it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "vars/record_update.h"

namespace varnolux {
namespace {

constexpr double kRefreshPeriodNs = 100e6;

// 2000 records of every type, arrays with their elements, as a listing gives them.
VarTable FullTable() {
    static const int32_t kTypes[] = {VT_BIT,   VT_BYTE,  VT_WORD,   VT_DWORD,
                                     VT_SBYTE, VT_SWORD, VT_SDWORD, VT_FLOAT};
    VarTable records;
    int32_t address = 0x20;
    while (records.size() < kMaxRecords) {
        const int32_t type = kTypes[records.size() % 8];
        MyVarRecord r;
        r.VarLabel = "v" + std::to_string(records.size());
        r.VarType = type;
        r.VarAddress = address;
        r.VarLen = type == VT_BIT ? int32_t(records.size() % 8) : 1;
        records.push_back(r);
        address += 4;
    }
    return records;
}

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
    VarTable records = FullTable();
    DumpImage image = FilledImage(0);
    for (auto _ : state) {
        ++image.DumpId;
        benchmark::DoNotOptimize(UpdateRecordsFromDump(records, image));
    }
}

void UpdateAllChanged(benchmark::State& state) {
    VarTable records = FullTable();
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

int main(int argc, char** argv) {
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        return varnolux::BenchText("%s: %.4f %% of the 100 ms refresh period (goal: under 1 %%)\n",
                                   name.c_str(), 100.0 * ns / varnolux::kRefreshPeriodNs);
    });
}
