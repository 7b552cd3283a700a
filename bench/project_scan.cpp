// RunProjectScan on a project at the limits: 2000 records, a main source with
// 100 included files, 200 000 source lines. Reference: merely reading the same
// files into lines; goal: the scan takes at most 3 times as long.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench_fixture.h"
#include "project/sources/lines.h"
#include "seams/memory/memory_host_os.h"
#include "state/session.h"

namespace varnolux {
namespace {

constexpr int kIncludedFiles = 100;
constexpr int kSourceLines = 200000;
constexpr int kVariables = 2000;

std::string FileName(int k) {
    return k == 0 ? "C:\\PROJ\\MAIN.BAS" : "C:\\PROJ\\INC" + std::to_string(k) + ".BAS";
}

std::string ListingLine(int number, const std::string& text) {
    char column[32];
    std::snprintf(column, sizeof column, "%22s%05d ", "", number % 100000);
    return column + text + "\r\n";
}

// The project in memory, so the benchmark measures the scan and not the disk.
struct GeneratedProject {
    MemoryHostOs os;
    std::vector<std::string> files;

    GeneratedProject() {
        os.programFolder = "";
        std::string listing;
        int n = 0;
        for (int k = 0; k <= kIncludedFiles; ++k) {
            listing += ListingLine(++n, ";FILE F" + std::to_string(k + 1) + " = " + FileName(k));
            files.push_back(FileName(k));
        }
        listing += ListingLine(++n, ";[Variable Listing]");
        for (int v = 0; v < kVariables; ++v) {
            char line[64];
            std::snprintf(line, sizeof line, ";var%d,%04X,DT_WORD,2", v, 0x20 + 2 * v);
            listing += ListingLine(++n, line);
        }
        listing += ListingLine(++n, ";[End Listing]");
        listing += ListingLine(++n, "        LIST  P = 18F25K22, F = INHX32");
        listing += ListingLine(++n, "; STANDARD VARIABLES");
        for (int v = 0; v < kVariables; v += 4) {
            std::string pairs = "variable ";
            for (int p = v; p < v + 4; ++p) {
                pairs += (p > v ? "," : "") + ("var" + std::to_string(p)) + "=" +
                         std::to_string(0x20 + 2 * p);
            }
            listing += ListingLine(++n, pairs);
        }
        listing += ListingLine(++n, "#define Led PORTB,3");
        os.PutFile("scan.lst", listing);
        os.PutFile("PPI\\P18F25K22.PPI", "[INFOSTART]\r\nCORE=16\r\nMAXCODE=32768\r\n");

        const int perFile = kSourceLines / (kIncludedFiles + 1);
        int variable = 0;
        int dumpId = 1;
        for (int k = 0; k <= kIncludedFiles; ++k) {
            std::string text = k == 0 ? "Device = 18F25K22\r\n" : "";
            for (int j = 0; j < perFile; ++j) {
                if (j % 10 == 0 && variable < kVariables) {
                    text += "Dim Var" + std::to_string(variable++) + " As SWord    ' a comment\r\n";
                } else if (j % 79 == 0 && dumpId < 256) {
                    text += "    Dumpw " + std::to_string(dumpId++) + "   ' dump point\r\n";
                } else {
                    text += "    If count > limit Then count = 0 : GoSub Again   ' code\r\n";
                }
            }
            os.PutFile(FileName(k), text);
        }
    }
};

GeneratedProject& Project() {
    static GeneratedProject project;
    return project;
}

void ScanProject(benchmark::State& state) {
    GeneratedProject& project = Project();
    for (auto _ : state) {
        Session session;
        ScanInMemory(session, project.os, "scan.lst");
        if (session.records.size() != kVariables || session.dumpPoints.order.size() != 255) {
            state.SkipWithError("the generated project did not scan completely");
        }
        benchmark::DoNotOptimize(session.records.data());
    }
}

void ReadFilesIntoLines(benchmark::State& state) {
    GeneratedProject& project = Project();
    for (auto _ : state) {
        size_t lines = SourceTextLines(*project.os.ReadFile("scan.lst")).size();
        for (const std::string& file : project.files) {
            lines += SourceTextLines(*project.os.ReadFile(file)).size();
        }
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(ScanProject)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFilesIntoLines)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration for the ratio printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations == 0) continue;
            nsPerIteration[run.benchmark_name()] =
                run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
        }
    }
    std::map<std::string, double> nsPerIteration;
};

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    varnolux::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& t = reporter.nsPerIteration;
    if (t.count("ScanProject") && t.count("ReadFilesIntoLines")) {
        std::printf(
            "RunProjectScan: %.2f x the time of reading the same files into lines (goal: at most "
            "3 x)\n",
            t.at("ScanProject") / t.at("ReadFilesIntoLines"));
    }
    return 0;
}
