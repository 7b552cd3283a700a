#pragma once
// The demo's firmware (examples/demo, Thermo.bas with Sensors.inc) as it runs:
// start-up to dump point 1, then the control loop: the sensor read ends at 150
// (or at 151 when the reading is out of range), the top of the loop is 5, the
// heater switch 12, and a command received 20 (a loop without one skips it).
// The firmware works on its variables in RAM, so a value written by the host
// stays until the program itself changes it. The room and the serial line
// around it are the environment below; the compiler's own variables keep the
// generic pattern.
#include <cstdint>
#include <string>

#include "sim/core/target_firmware.h"
#include "sim/core/target_memory.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

// True for the demo's program: "temperature" and "setPoint" and its dump points.
bool IsThermostat(const TargetProgram& program);

// What the firmware finds outside in its `round`-th pass of the loop (1, 2, ...):
// the ADC counts of the sensor (a reading out of range now and then) and
// whether a command arrives on the serial line before HSerIn gives up.
struct ThermostatInputs {
    int32_t sensorRaw = 0;
    bool command = false;
};
ThermostatInputs ThermostatEnvironment(int64_t round);

class Thermostat : public TargetFirmware {
  public:
    explicit Thermostat(const TargetProgram& program);
    int32_t RunToNextDumpPoint(TargetMemory& memory) override;
    void Restart() override { next_ = Step::Start; }

  private:
    enum class Step { Start, Loop, TopOfLoop, Switch, Command, NoCommand };
    void Main(TargetMemory& m);
    int32_t ReadSensor(TargetMemory& m);
    void ControlHeater(TargetMemory& m);
    void ReceiveCommand(TargetMemory& m);
    void ShiftHistory(TargetMemory& m);
    int64_t Get(const TargetMemory& m, const std::string& label) const;
    void Set(TargetMemory& m, const std::string& label, double value) const;
    void Copy(TargetMemory& m, const std::string& from, const std::string& to) const;

    const TargetProgram& program_;
    TargetProgram others_;  // variables the sources do not declare: the generic pattern
    Step next_ = Step::Start;
    int64_t round_ = 0;     // passes of the loop since power-on; resets do not stop the room
    int64_t arrivals_ = 0;  // dump points reached, for the generic pattern
};

}  // namespace varnolux::sim
