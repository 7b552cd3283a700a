#pragma once
// The benchmarks' report: the console table, then one line per run stating its
// time per iteration against the benchmark's own reference.
#include <benchmark/benchmark.h>

#include <cstdarg>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace varnolux {

// The line for one run from its name and its time per iteration in ns; an
// empty line prints nothing.
using ShareLine = std::function<std::string(const std::string& name, double nsPerIteration)>;

// printf into a string.
__attribute__((format(printf, 1, 2))) inline std::string BenchText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

class ShareReporter : public benchmark::ConsoleReporter {
  public:
    explicit ShareReporter(ShareLine line) : ConsoleReporter(OO_None), line_(std::move(line)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations == 0 || run.error_occurred) continue;
            const double ns = run.real_accumulated_time * 1e9 / static_cast<double>(run.iterations);
            GetOutputStream() << line_(run.benchmark_name(), ns);
        }
    }

  private:
    ShareLine line_;
};

// Runs the benchmarks the command line selects and reports each run with `line`.
inline int RunBenchmarks(int argc, char** argv, ShareLine line) {
    benchmark::Initialize(&argc, argv);
    ShareReporter reporter(std::move(line));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// The main window's refresh period, the reference of the benchmarks of work
// done at every refresh.
constexpr double kRefreshPeriodNs = 100e6;

// Runs the benchmarks and reports each run as a share of the refresh period
// with `decimals` decimals, against the goal of under `goalPercent` %.
inline int RunAgainstRefreshPeriod(int argc, char** argv, int decimals, const char* goalPercent) {
    return RunBenchmarks(argc, argv, [decimals, goalPercent](const std::string& name, double ns) {
        return BenchText("%s: %.*f %% of the 100 ms refresh period (goal: under %s %%)\n",
                         name.c_str(), decimals, 100.0 * ns / kRefreshPeriodNs, goalPercent);
    });
}

// The main() of a benchmark reported against the refresh period.
#define VARNOLUX_REFRESH_BENCHMARK_MAIN(decimals, goalPercent)                       \
    int main(int argc, char** argv) {                                                \
        return varnolux::RunAgainstRefreshPeriod(argc, argv, decimals, goalPercent); \
    }

// Nanoseconds on the wire at 115200 baud for `bytes` bytes of ten bits each.
constexpr double WireNsAt115200(double bytes) {
    return bytes * 10.0 / 115200.0 * 1e9;
}

// Runs the benchmarks and reports each run as a share of a dump's wire time
// at 115200 baud, read from `wireNs` after the runs (a benchmark may measure
// it while it runs), with `decimals` decimals against the goal `goalPercent`.
inline int RunAgainstWireTime(int argc, char** argv, const double& wireNs, int decimals,
                              const char* goalPercent) {
    return RunBenchmarks(
        argc, argv, [&wireNs, decimals, goalPercent](const std::string& name, double ns) {
            if (wireNs == 0) return std::string();
            return BenchText(
                "%s: %.*f %% of the dump's wire time at 115200 baud (%.1f ms; goal: "
                "under %s %%)\n",
                name.c_str(), decimals, 100.0 * ns / wireNs, wireNs / 1e6, goalPercent);
        });
}

}  // namespace varnolux
