#pragma once
// The packets the simulated firmware sends at a dump point.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/core/target_memory.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

using SimPacket = std::array<uint8_t, 32>;

// A packet of the type with `fields` from offset 2 on and its CRC.
SimPacket MakePacket(uint8_t type, const std::vector<uint8_t>& fields);
// Sets byte 31 to the CRC of bytes 0..30.
void SealPacket(SimPacket& packet);

// RAM of every bank (runs of zeros as null blocks), EEPROM (erased runs as FF
// blocks) and the ports; the end packet is separate.
std::vector<SimPacket> DumpPackets(const TargetProgram& program, const TargetMemory& memory);

// The port packet's bytes for the log: "ports 01 05 80 00 00 tris FF 00 F0 0F 07"
// (PORTA .. PORTE, then TRISA .. TRISE).
std::string PortsLine(const TargetMemory& memory);

struct EndFacts {
    int32_t dumpId = 0;
    bool waits = false;
    uint8_t versionMajor = 1;
    uint8_t versionMinor = 0;
    uint8_t romCheckResult = 1;
};
SimPacket EndPacket(const TargetProgram& program, const EndFacts& facts);

}  // namespace varnolux::sim
