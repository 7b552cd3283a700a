// The listing reader on a listing's text in memory, as the listing fuzzer
// calls it: the fuzzer's small seed listing (every stage in 1.3 KB), the demo
// project's listing (11 KB), and the whole project scan the fuzzer would
// otherwise pay per input. The fuzzer needs at least 20 000 listings a second.
#include <fstream>
#include <sstream>
#include <string>

#include "bench_fixture.h"
#include "bench_report.h"
#include "project/listing/reader.h"
#include "project/listing/text.h"
#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(VARNOLUX_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DemoFile(const std::string& name) {
    return SourceFile("examples/demo/" + name);
}

DeviceCore Pic18(const std::string&) {
    return DeviceCore{16, 0x8000};
}

void ReadListingTextOfDemo(benchmark::State& state) {
    const std::string text = DemoFile("Thermo.lst");
    for (auto _ : state) {
        ListingContents c = ReadListingText("Thermo.lst", text, Pic18);
        benchmark::DoNotOptimize(c.records.data());
    }
}

void ReadListingTextOfSeed(benchmark::State& state) {
    const std::string text = SourceFile("fuzz/seeds/listing/small.lst");
    for (auto _ : state) {
        ListingContents c = ReadListingText("small.lst", text, Pic18);
        benchmark::DoNotOptimize(c.records.data());
    }
}

void ScanDemoProject(benchmark::State& state) {
    MemoryHostOs os;
    os.programFolder = "";
    for (const char* name : {"Thermo.bas", "Thermo.lst", "Sensors.inc", "Varnolux.ini"})
        os.PutFile(name, DemoFile(name));
    os.PutFile("PPI\\P18F25K22.PPI", DemoFile("PPI/P18F25K22.PPI"));
    for (auto _ : state) {
        Session session;
        ScanInMemory(session, os, "Thermo.lst");
        benchmark::DoNotOptimize(session.records.data());
    }
}

void SplitDemoListing(benchmark::State& state) {
    const std::string text = DemoFile("Thermo.lst");
    for (auto _ : state) benchmark::DoNotOptimize(ListingLines(text).size());
}

BENCHMARK(ReadListingTextOfSeed);
BENCHMARK(ReadListingTextOfDemo);
BENCHMARK(ScanDemoProject);
BENCHMARK(SplitDemoListing);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        return varnolux::BenchText("%s: %.0f listings a second (goal for the fuzzer: 20000)\n",
                                   name.c_str(), 1e9 / ns);
    });
}
