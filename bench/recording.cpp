// Session recordings on the demo project, against the simulated firmware in
// memory.
// RecordingOverhead: the recording port's own work for one dump transaction as
// the demo sends it (each read and written byte kept, the blocks appended to a
// file at the end of the transaction), with a port beneath that costs nothing.
// Reference: the transaction's wire time at 115200 baud (both directions, ten
// bits per byte); goal: under 0.5 %.
// ReplayToJsonl: a recording of 10 000 dumps (times as a real line at 115200
// with the firmware's 20 ms between dump points would give them) played through
// the link engine into jsonl texts. Reference: the recording's own duration;
// goal: at least 1000 times faster than real time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/settings_io.h"
#include "bench_report.h"
#include "cli/console/console_seams.h"
#include "cli/console/dump_snapshot.h"
#include "link/recording/facts.h"
#include "link/recording/port.h"
#include "link/replay/run.h"
#include "link/thread/link_thread.h"
#include "seams/main_ids.h"
#include "seams/memory/memory_serial_port.h"
#include "sim/core/target_engine.h"
#include "sim/core/target_program.h"
#include "support/memory_session_rig.h"

namespace varnolux {
namespace {

constexpr int kDumps = 10000;
constexpr double kByteUs = 10.0 * 1e6 / 115200;  // one byte on the wire
double g_transactionWireNs = 0;
double g_recordingSeconds = 0;

// Every prompt goes on quietly: No to the recompile prompt, Retry, OK.
class QuietPrompts : public Prompts {
  public:
    PromptAnswer Show(const PromptRequest& request) override {
        switch (request.buttons) {
            case PromptButtons::YesNoCancel:
            case PromptButtons::YesNo:
                return PromptAnswer::No;
            case PromptButtons::RetryCancel:
            case PromptButtons::AbortRetryIgnore:
                return PromptAnswer::Retry;
            default:
                return PromptAnswer::Ok;
        }
    }
};

// The demo project loaded as the console front ends load it.
struct Loaded : MemorySessionRig<QuietPrompts, cli::WorkingFolderHostOs> {
    bool Load(LoadSteps& steps) {
        session.project.settingsPath = os.ProgramFolder() + "Varnolux.ini";
        LoadSettings(session.settings, os, session.project.settingsPath);
        session.project.commandLineProject = "Thermo";
        view.SetChecked(ids::kContinuous, true);
        view.SetControlText(ids::kUntilCount, "00");
        return LoadAtStartup(session, seams, steps) == LoadEnd::Loaded;
    }
};

// The live link against the firmware in memory, recorded with line times.
struct LiveRig : Loaded {
    MemorySerialPort port;
    std::unique_ptr<sim::TargetEngine> engine;
    int64_t nowUs = 1765000000000000;
    double simMs = 0;
    std::unique_ptr<RecordingPort> recorder;
    std::unique_ptr<LinkContext> link;

    bool Start(const std::string& file) {
        LoadSteps none;
        if (!Load(none)) return false;
        engine = std::make_unique<sim::TargetEngine>(sim::ProgramFromSession(session, 0),
                                                     sim::SimOptions());
        // Each byte takes its wire time; a read that finds nothing lets the firmware run.
        port.onWrite = [this](uint8_t b) {
            Advance(kByteUs);
            engine->Receive(b, static_cast<int64_t>(simMs));
            Collect();
        };
        port.onIdle = [this](int) {
            Advance(1000);
            engine->Tick(static_cast<int64_t>(simMs));
            Collect();
        };
        recorder = std::make_unique<RecordingPort>(port, os, [this] { return nowUs; });
        link = std::make_unique<LinkContext>(session, seams, *recorder);
        link->clock = recorder->Clock();
        link->clock.sleepMs = [this](int ms) { Advance(1000.0 * ms); };  // line time, not ours
        return recorder->Start(file,
                               FactsOfSession(session, os, "COM1", 115200, RecordingStart::Link));
    }
    void Advance(double us) {
        nowUs += static_cast<int64_t>(us);
        simMs += us / 1000;
    }
    void Collect() {
        const std::vector<uint8_t> out = engine->TakeOutput();
        Advance(kByteUs * static_cast<double>(out.size()));
        port.input.insert(port.input.end(), out.begin(), out.end());
    }
    void RunDumps(int64_t dumps) {
        while (engine->CompletedDumps() < dumps) LinkTurn(*link);
    }
};

std::string TempFile(const char* name) {
    return "/tmp/varnolux-bench-" + std::to_string(getpid()) + "-" + name;
}

// A port that hands out the chunks of one recorded transaction and takes every byte.
class PlayedPort : public SerialPort {
  public:
    explicit PlayedPort(const std::vector<RecordedChunk>& chunks) : chunks_(chunks) {}
    bool Open(int) override { return true; }
    bool ReadLineSettings() override { return true; }
    void Configure(int, const SerialTimeouts&) override {}
    void PurgeReceive() override {}
    void ClearErrors() override {}
    bool ArmCharEvent() override { return true; }
    bool WaitCharEvent() override { return true; }
    bool Read(uint8_t* buffer, int, int& count) override {
        const std::vector<uint8_t>& b = chunks_[next_++ % chunks_.size()].bytes;
        std::copy(b.begin(), b.end(), buffer);
        count = static_cast<int>(b.size());
        return true;
    }
    bool WriteByte(uint8_t) override {
        ++next_;
        return true;
    }
    uint32_t LastError() const override { return 0; }
    std::vector<std::string> ListPorts() const override { return {}; }
    void Wake() override {}

  private:
    const std::vector<RecordedChunk>& chunks_;
    size_t next_ = 0;
};

void RecordingOverhead(benchmark::State& state) {
    const std::string file = TempFile("one.pcapng");
    LiveRig live;
    if (!live.Start(file)) return state.SkipWithError("the demo project did not load");
    live.RunDumps(3);
    live.recorder->Stop();
    const RecordingContents recorded = ParseRecording(*live.os.ReadFile(file));
    // The last complete transaction: from its "c" to the answer to its "d".
    std::vector<RecordedChunk> transaction;
    size_t bytes = 0;
    for (size_t i = recorded.chunks.size(); i-- > 0;) {
        const RecordedChunk& c = recorded.chunks[i];
        transaction.insert(transaction.begin(), c);
        bytes += c.bytes.size();
        if (c.direction == ChunkDirection::Inbound && c.bytes.size() == 1 && c.bytes[0] == 'c')
            break;
    }
    g_transactionWireNs = static_cast<double>(bytes) * kByteUs * 1000;

    PlayedPort played(transaction);
    RecordingPort recorder(played, live.os);
    recorder.Start(file, recorded.facts);
    uint8_t buffer[64];
    for (auto _ : state) {
        for (const RecordedChunk& c : transaction) {
            int count = 0;
            if (c.direction == ChunkDirection::Inbound)
                recorder.Read(buffer, 31, count);
            else
                recorder.WriteByte(c.bytes[0]);
        }
    }
    recorder.Stop();
    std::remove(file.c_str());
}
BENCHMARK(RecordingOverhead)->Unit(benchmark::kMicrosecond);

void ReplayToJsonl(benchmark::State& state) {
    const std::string file = TempFile("long.pcapng");
    {
        LiveRig live;
        if (!live.Start(file)) return state.SkipWithError("the demo project did not load");
        live.RunDumps(kDumps);
        live.recorder->Stop();
    }
    cli::WorkingFolderHostOs os;
    const RecordingContents recorded = ParseRecording(os.ReadFile(file).value_or(""));
    std::remove(file.c_str());
    g_recordingSeconds =
        static_cast<double>(recorded.chunks.back().timeUs - recorded.chunks.front().timeUs) / 1e6;

    struct Printer : TransactionListener {
        Printer(Session& s, const MainWindowView& v) : session(s), view(v) {}
        void TransactionDone() override {
            bytes += cli::LogRecord(cli::LogFormat::Jsonl, cli::TakeDump(session, view)).size();
        }
        Session& session;
        const MainWindowView& view;
        size_t bytes = 0;
    };
    for (auto _ : state) {
        Loaded replay;
        Printer printer(replay.session, replay.view);
        ReplayRun run(replay.session, replay.seams, recorded, &printer);
        ReplayLoadSteps steps(run);
        if (!replay.Load(steps)) return state.SkipWithError("the demo project did not load");
        while (run.NextDump()) {
        }
        if (run.Dumps() != kDumps) return state.SkipWithError("the replay lost dumps");
        benchmark::DoNotOptimize(printer.bytes);
    }
}
BENCHMARK(ReplayToJsonl)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    if (chdir(VARNOLUX_SOURCE_DIR "/examples/demo") != 0) return 1;
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        if (name.rfind("RecordingOverhead", 0) == 0 && varnolux::g_transactionWireNs > 0)
            return varnolux::BenchText(
                "%s: %.3f %% of the transaction's wire time at 115200 baud (%.1f ms); goal "
                "under 0.5 %%\n",
                name.c_str(), 100.0 * ns / varnolux::g_transactionWireNs,
                varnolux::g_transactionWireNs / 1e6);
        if (name.rfind("ReplayToJsonl", 0) == 0 && varnolux::g_recordingSeconds > 0)
            return varnolux::BenchText(
                "%s: %d dumps recorded over %.1f s replayed %.0f x faster than real time; goal "
                "at least 1000 x\n",
                name.c_str(), varnolux::kDumps, varnolux::g_recordingSeconds,
                varnolux::g_recordingSeconds * 1e9 / ns);
        return std::string();
    });
}
