// The simulated firmware's ports: what the Port window is tested against.
#include <gtest/gtest.h>

#include <bitset>

#include "sim/core/target_memory.h"
#include "sim/core/target_packets.h"

namespace varnolux::sim {
namespace {

int ChangedPins(const TargetMemory& a, const TargetMemory& b) {
    int changed = 0;
    for (size_t p = 0; p < a.ports.size(); ++p)
        changed += static_cast<int>(std::bitset<8>(a.ports[p] ^ b.ports[p]).count());
    return changed;
}

TEST(TargetPorts, EveryDumpPointChangesExactlyOnePin) {
    const TargetProgram program;
    TargetMemory memory = PowerOnMemory(program);
    for (int64_t arrival = 1; arrival <= 600; ++arrival) {
        const TargetMemory before = memory;
        RunToDumpPoint(program, memory, arrival);
        ASSERT_EQ(ChangedPins(before, memory), 1) << "arrival " << arrival;
        ASSERT_EQ(before.tris, memory.tris);
    }
}

TEST(TargetPorts, LogLineShowsThePortPacketsBytes) {
    TargetMemory memory;
    memory.ports = {0x01, 0xA5, 0x80, 0x00, 0xFF};
    memory.tris = {0xFF, 0x00, 0xF0, 0x0F, 0x07};
    EXPECT_EQ(PortsLine(memory), "ports 01 A5 80 00 FF tris FF 00 F0 0F 07");
}

}  // namespace
}  // namespace varnolux::sim
