#pragma once
// A simulated program's variables in its RAM, by name and as their types hold
// them, for firmware that works on its own variables.
#include <cstdint>
#include <string>

#include "sim/core/target_memory.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

// The variable of that label (an element as "name#i"); null when there is none.
const SimVariable* FindVariable(const TargetProgram& program, const std::string& label);

// The integer value: bits 0 or 1, signed types signed, floats truncated.
int64_t ReadNumber(const TargetMemory& memory, const SimVariable& variable);

// Writes the value as the variable's type keeps it (integers wrap, floats in
// the Microchip layout); cells beyond the RAM are left out.
void WriteNumber(TargetMemory& memory, const SimVariable& variable, double value);

// The bytes of `from` into `to`, which has the same type.
void CopyVariable(TargetMemory& memory, const SimVariable& from, const SimVariable& to);

}  // namespace varnolux::sim
