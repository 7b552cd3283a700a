#pragma once
// Values the simulated firmware holds at given addresses, whatever its program
// does: a test's own truth, written by hand from the listing's addresses, so
// that a fault in the host's reading of the listing shows as a wrong value.
#include <cstdint>
#include <string>
#include <vector>

#include "sim/core/target_memory.h"

namespace varnolux::sim {

// One placed value: its bytes from `address` on, or one bit of that byte.
struct PlacedValue {
    int32_t address = 0;
    int32_t bit = -1;  // 0..7 for a bit, -1 for whole bytes
    std::vector<uint8_t> bytes;
};

// Reads a scenario: one value a line, "ADDRESS[.BIT] TYPE VALUE", the address
// hexadecimal with "0x" or decimal; TYPE one of bit, byte, sbyte, word, sword,
// dword, sdword, float (stored in the Microchip layout), text (the rest of the
// line, one byte a character). Blank lines and lines starting with "#" are
// skipped. A line that cannot be read is named in `error` and ends the read.
bool ParseScenario(const std::string& text, std::vector<PlacedValue>& values, std::string& error);

// Puts the values into the RAM (bytes beyond it are dropped).
void ApplyScenario(const std::vector<PlacedValue>& values, TargetMemory& memory);

}  // namespace varnolux::sim
