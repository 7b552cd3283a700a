// The host's protocol engine over the memory port taking a full 4 KiB RAM dump:
// "c", 158 data packets, the end packet with the record update of 1000
// variables, "d". Reference: the dump's wire time at 115200 baud (both
// directions, ten bits per byte); goal: under 1 % of it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_report.h"
#include "link/crc8.h"
#include "link/link_thread.h"
#include "link/protocol.h"
#include "seams/memory/memory_serial_port.h"
#include "support/memory_session_rig.h"

namespace varnolux {
namespace {

constexpr int kRamBytes = 4096;
double g_wireNs = 0;

std::vector<uint8_t> DumpBytes(int dumpNumber) {
    std::vector<uint8_t> bytes = {kSync};
    auto add = [&bytes](std::vector<uint8_t> p) {
        p.resize(32, 0);
        p[31] = Crc8(p.data(), 31);
        bytes.insert(bytes.end(), p.begin(), p.end());
    };
    for (int a = 0; a < kRamBytes; a += kMaxPacketData) {
        const int n = std::min(kMaxPacketData, kRamBytes - a);
        std::vector<uint8_t> p = {kStx, MT_DATA, static_cast<uint8_t>(n),
                                  static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a)};
        for (int i = 0; i < n; ++i) p.push_back(static_cast<uint8_t>(a + i + dumpNumber));
        add(p);
    }
    add({kStx, MT_ENDDATA, 1, 1, 0, 0});
    bytes.push_back(kQuery);
    return bytes;
}

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
    const std::vector<uint8_t> dumps[2] = {DumpBytes(0), DumpBytes(1)};
    // Answers: "h", one "f" per packet, "b".
    g_wireNs =
        static_cast<double>(dumps[0].size() + dumps[0].size() / 32 + 2) * 10.0 / 115200.0 * 1e9;
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
    return varnolux::RunBenchmarks(argc, argv, [](const std::string& name, double ns) {
        const double wireNs = varnolux::g_wireNs;
        if (wireNs == 0) return std::string();
        return varnolux::BenchText(
            "%s: %.3f %% of the dump's wire time at 115200 baud (%.0f ms; goal: under 1 %%)\n",
            name.c_str(), 100.0 * ns / wireNs, wireNs / 1e6);
    });
}
