#pragma once
// The demo's firmware is a small thermostat (examples/demo): a program that has
// its variables gets a plant to go with them, so that what a newcomer sees
// behaves like the real thing: a room temperature that drifts smoothly about
// the set-point, a heater that switches with it, a set-point that stays put,
// counters that count and a greeting that reads as text. Variables of other
// programs, and those the thermostat does not know, keep the generic pattern.
#include <cstdint>

#include "sim/core/target_memory.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

// True for a program with the thermostat's "temperature" and "setPoint".
bool IsThermostat(const TargetProgram& program);

// The thermostat's variables at its `arrival`-th dump point (1, 2, ...),
// written over what the generic pattern put there.
void RunThermostat(const TargetProgram& program, TargetMemory& memory, int64_t arrival);

}  // namespace varnolux::sim
