#pragma once
// The program the simulated target runs between its dump points: which dump
// point it reaches next, and what it has done to RAM, EEPROM and ports by then.
#include <cstdint>
#include <memory>

#include "sim/core/target_memory.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

class TargetFirmware {
  public:
    virtual ~TargetFirmware() = default;
    // Runs from where the program stands to its next dump point; its DumpID.
    virtual int32_t RunToNextDumpPoint(TargetMemory& memory) = 0;
    // A reset: the program starts again from its beginning.
    virtual void Restart() = 0;
};

// The demo's thermostat for its own program (IsThermostat), otherwise a program
// that passes its dump points in the order of the sources, again and again,
// and writes the generic pattern at each.
std::unique_ptr<TargetFirmware> MakeFirmware(const TargetProgram& program);

}  // namespace varnolux::sim
