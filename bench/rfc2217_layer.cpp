// The RFC 2217 layer's host time per dump: the network port over an in-memory
// socket carrying a full 4 KiB RAM dump as ser2net passes it on (IAC doubled,
// in 64-byte pieces), read as the link thread reads it ("c", then each
// packet's first byte and its 31 others) with every answer written back
// ("h", one "f" per packet, "b") through Telnet. Reference: the dump's wire
// time at 115200 baud (both directions, ten bits per byte); goal: under 1 % of it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_report.h"
#include "dump_bytes.h"
#include "link/line/protocol.h"
#include "link/ports/network_port.h"
#include "seams/memory/memory_socket.h"

namespace varnolux {
namespace {

constexpr int kRamBytes = 4096;
double g_wireNs = 0;

void Rfc2217Dump(benchmark::State& state) {
    auto owned = std::make_unique<MemorySocket>();
    MemorySocket& socket = *owned;
    socket.chunk = 64;
    PortAddress address;
    address.kind = PortKind::Rfc2217;
    address.host = "127.0.0.1";
    address.tcpPort = 4000;
    NetworkPort port(std::move(owned), address);
    socket.Feed({255, 253, 44});  // the server agrees to COM-PORT-OPTION
    port.Open(0);
    port.Configure(115200, SerialTimeouts());
    const std::vector<uint8_t> dump = RamDumpBytes(kRamBytes, 0);
    std::vector<uint8_t> onTheWire;
    for (uint8_t b : dump) AppendTelnetData(onTheWire, b);
    const int packets = static_cast<int>(dump.size() - 2) / 32;
    g_wireNs = WireNsAt115200(static_cast<double>(dump.size() + packets + 2));
    uint8_t block[31];
    int count = 0;
    size_t read = 0;
    for (auto _ : state) {
        state.PauseTiming();
        socket.Feed(onTheWire);
        socket.sent.clear();
        state.ResumeTiming();
        port.WaitCharEvent();
        port.Read(block, 1, count);  // "c"
        port.WriteByte(kSyncAck);
        for (int p = 0; p < packets; ++p) {
            port.WaitCharEvent();
            port.Read(block, 1, count);
            read += static_cast<size_t>(count);
            port.Read(block, 31, count);
            read += static_cast<size_t>(count);
            port.WriteByte(kAck);
        }
        port.Read(block, 1, count);  // "d"
        port.WriteByte(kWaitAck);
    }
    if (read != static_cast<size_t>(packets) * 32 * state.iterations())
        state.SkipWithError("the packets did not come through whole");
    benchmark::DoNotOptimize(block);
}

BENCHMARK(Rfc2217Dump)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnolux

int main(int argc, char** argv) {
    return varnolux::RunAgainstWireTime(argc, argv, varnolux::g_wireNs, 3, "1");
}
