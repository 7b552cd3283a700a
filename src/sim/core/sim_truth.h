#pragma once
// What the simulated firmware holds, as the host would show it: every
// variable's value text from the target's own RAM.
#include <string>

#include "sim/core/target_memory.h"
#include "state/session.h"

namespace varnolux::sim {

// A JSON document {"DumpId":..,"values":[{"VarLabel":..,"value":..},..],
// "eeprom":".."} with the records of the loaded project decoded from the
// memory, in decimal, and the device's EEPROM bytes in hexadecimal.
std::string TruthJson(const Session& loaded, const TargetMemory& memory, int32_t dumpId);

// The first `size` bytes as upper-case hexadecimal digits, two per byte.
std::string HexBytes(const std::vector<uint8_t>& bytes, size_t size);

// Text between JSON quotes; bytes outside ASCII are taken as Latin-1.
std::string JsonEscape(const std::string& text);

}  // namespace varnolux::sim
