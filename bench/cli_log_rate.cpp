// varnolux-cli log against the unpaced simulator on a pseudo-terminal, on the
// demo project: dumps per second, taken from the difference between a long
// and a short run so that loading and the probe do not count. Reference: the
// wire-time limit of the same dumps at 115200 baud (both directions, ten bits
// per byte); a ratio above 1 means the link keeps up with a real line.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

double g_dumpsPerSecond = 0;
double g_wireDumpsPerSecond = 0;

std::string BuildFolder() {
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe(path, n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(0, exe.find_last_of('/') + 1);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the simulator and the logger for `dumps` dumps; returns the logger's
// wall time in seconds and the packet count of the last dump line.
double RunLog(const std::string& work, int dumps, long& packets) {
    const std::string bin = BuildFolder();
    const std::string project = work + "/project";
    unlink((work + "/tty").c_str());
    // The simulator is a child of this process, which it outlives by no more than a kill.
    const std::string sim = bin + "varnolux-sim";
    const std::string link = work + "/tty";
    const char* argv[] = {sim.c_str(), "--project", project.c_str(), "--link", link.c_str(),
                          "--run-ms",  "0",         nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t simPid = 0;
    posix_spawn(&simPid, sim.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    for (int i = 0; i < 100 && access((work + "/tty").c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto start = std::chrono::steady_clock::now();
    std::system(("cd " + project + " && " + bin + "varnolux-cli log --port " + work +
                 "/tty --baud 115200 --format jsonl --timeout 60 --count " + std::to_string(dumps) +
                 " >" + work + "/out 2>/dev/null")
                    .c_str());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(simPid, SIGTERM);
    waitpid(simPid, nullptr, 0);
    const std::string out = Slurp(work + "/out");
    const size_t last = out.rfind("\"PacketCount\":");
    packets = last == std::string::npos ? 0 : std::atol(out.c_str() + last + 14);
    return seconds;
}

void CliLogAgainstSimulator(benchmark::State& state) {
    char pattern[] = "/tmp/varnolux-bench.XXXXXX";
    const std::string work = mkdtemp(pattern);
    std::system(
        ("cp -R " + std::string(VARNOLUX_SOURCE_DIR) + "/examples/demo " + work + "/project")
            .c_str());
    constexpr int kShort = 20, kLong = 220;
    for (auto _ : state) {
        long shortPackets = 0, longPackets = 0;
        const double shortRun = RunLog(work, kShort, shortPackets);
        const double longRun = RunLog(work, kLong, longPackets);
        if (longPackets <= shortPackets || longRun <= shortRun) {
            state.SkipWithError("the logger did not complete its dumps");
            break;
        }
        state.SetIterationTime(longRun - shortRun);
        g_dumpsPerSecond = (kLong - kShort) / (longRun - shortRun);
        // Per dump: "c" "h", each packet and its "f", "d" "b".
        const double packetsPerDump = static_cast<double>(longPackets) / kLong;
        g_wireDumpsPerSecond = 11520.0 / (packetsPerDump * 33.0 + 4.0);
    }
    std::system(("rm -rf " + work).c_str());
}

BENCHMARK(CliLogAgainstSimulator)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        if (g_wireDumpsPerSecond == 0) return;
        char line[200];
        std::snprintf(line, sizeof line,
                      "varnolux-cli log: %.1f dumps/s, %.2f x the wire-time limit at 115200 baud "
                      "(%.1f dumps/s)\n",
                      g_dumpsPerSecond, g_dumpsPerSecond / g_wireDumpsPerSecond,
                      g_wireDumpsPerSecond);
        GetOutputStream() << line;
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
