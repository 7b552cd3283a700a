#pragma once
// The simulated firmware's RAM, EEPROM and ports, and how its program changes
// them from one dump point to the next.
#include <array>
#include <cstdint>
#include <vector>

#include "sim/core/target_program.h"

namespace varnolux::sim {

struct TargetMemory {
    std::vector<uint8_t> ram = std::vector<uint8_t>(kRamTop + 1, 0);
    std::vector<uint8_t> eeprom;  // EEPROM size + 1 cells, 0xFF when erased
    std::array<uint8_t, 5> ports{};
    std::array<uint8_t, 5> tris{};
};

// Power-on state: RAM zero, EEPROM erased but for a few bytes, ports at rest.
TargetMemory PowerOnMemory(const TargetProgram& program);

// The program runs on to its `arrival`-th dump point (1, 2, ...): counters
// count, signed values go negative, floats move, arrays fill with letters, bits
// toggle, some values stay put for a while; one pin of port B changes.
void RunToDumpPoint(const TargetProgram& program, TargetMemory& memory, int64_t arrival);

// IEEE single to the Microchip layout: exponent, sign with mantissa high, mid, low.
std::array<uint8_t, 4> MicrochipFloatBytes(float value);

}  // namespace varnolux::sim
