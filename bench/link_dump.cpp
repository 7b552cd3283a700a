// The host's protocol engine over the memory port taking a full 4 KiB RAM dump:
// "c", 158 data packets, the end packet with the record update of 1000
// variables, "d". Reference: the dump's wire time at 115200 baud (both
// directions, ten bits per byte); goal: under 1 % of it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_report.h"
#include "dump_bytes.h"
#include "link/line/protocol.h"
#include "link/thread/link_thread.h"
#include "seams/memory/memory_serial_port.h"
#include "support/memory_session_rig.h"

namespace varnolux {
namespace {

constexpr int kRamBytes = 4096;
double g_wireNs = 0;

void FullRamDump(benchmark::State& state) {
    MemorySessionRig<> rig;
    Session& session = rig.session;
    session.device.Core = 16;
    session.run.NoDumpYet = 0;  // identity and checks belong to the first dump only
    for (int a = 0; a < kRamBytes; ++a)
        session.image.RamImage[static_cast<size_t>(a)].Implemented = 1;
    static const int32_t kTypes[] = {VT_BYTE, VT_WORD, VT_DWORD, VT_FLOAT};
    for (int i = 0; i < 1000; ++i) {
        MyVarRecord r;
        r.VarLabel = "Variable_" + std::to_string(i);
        r.VarType = kTypes[i % 4];
        r.VarAddress = 4 * i;
        session.records.push_back(r);
    }
    MemorySerialPort port;
    LinkContext link(session, rig.seams, port);
    const std::vector<uint8_t> dumps[2] = {RamDumpBytes(kRamBytes, 0), RamDumpBytes(kRamBytes, 1)};
    // Answers: "h", one "f" per packet, "b".
    g_wireNs = WireNsAt115200(static_cast<double>(dumps[0].size() + dumps[0].size() / 32 + 2));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        port.input.assign(dumps[n & 1].begin(), dumps[n & 1].end());
        port.written.clear();
        ++n;
        state.ResumeTiming();
        while (!port.input.empty()) LinkTurn(link);
    }
    if (!rig.prompts.shown.empty()) state.SkipWithError(rig.prompts.shown[0].text.c_str());
    benchmark::DoNotOptimize(session.records[5].VarValue);
}

BENCHMARK(FullRamDump)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunAgainstWireTime(argc, argv, varnolux::g_wireNs, 3, "1");
}
