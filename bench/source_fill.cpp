// The Source window's content for a dump in a 200 000-line source file: the
// file read through the host, the 60 lines around the dump point picked out and
// written to the in-memory list. Reference: the main window's 100 ms refresh
// period; goal: under 5 % of it.
#include <benchmark/benchmark.h>

#include "bench_report.h"
#include "seams/memory/memory_host_os.h"
#include "seams/memory/memory_report_list.h"
#include "views/source/source_view.h"

namespace varnolux {
namespace {

constexpr int kFileLines = 200000;

void FillNearTheEndOfAHugeFile(benchmark::State& state) {
    MemoryHostOs os;
    ProjectFacts project;
    project.programFolder = os.programFolder;
    project.sourceFiles = {"C:\\PROJ\\HUGE.BAS"};
    std::string text;
    for (int i = 1; i <= kFileLines; ++i)
        text += "    Dim variable_" + std::to_string(i) + " As Word   ' line " + std::to_string(i) +
                "\r\n";
    os.PutFile("C:\\PROJ\\Huge.bas", text);
    DumpPointTable points;
    points.entries[7] = DumpPoint{0, kFileLines - 1000, 1, "far down"};
    const Settings settings;
    MemoryReportList list(kSourceColumnCount);

    for (auto _ : state) {
        const SourceView view = BuildSourceView(points, project, settings, 7, os);
        WriteSourceRows(list, view.excerpt);
        benchmark::DoNotOptimize(view.excerpt.highlightRow);
    }
    if (list.RowCount() != 60) state.SkipWithError("not 60 rows");
}

BENCHMARK(FillNearTheEndOfAHugeFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

VARNOLUX_REFRESH_BENCHMARK_MAIN(3, "5")
