#include "sim/core/target_firmware.h"

#include "sim/core/thermostat.h"

namespace varnolux::sim {

namespace {

class CyclingFirmware : public TargetFirmware {
  public:
    explicit CyclingFirmware(const TargetProgram& program) : program_(program) {}
    int32_t RunToNextDumpPoint(TargetMemory& memory) override {
        const int32_t id = program_.dumpPoints[next_].id;
        next_ = (next_ + 1) % program_.dumpPoints.size();
        RunToDumpPoint(program_, memory, ++arrivals_);
        return id;
    }
    void Restart() override {
        next_ = 0;
        arrivals_ = 0;
    }

  private:
    const TargetProgram& program_;
    size_t next_ = 0;
    int64_t arrivals_ = 0;
};

}  // namespace

std::unique_ptr<TargetFirmware> MakeFirmware(const TargetProgram& program) {
    if (IsThermostat(program)) return std::make_unique<Thermostat>(program);
    return std::make_unique<CyclingFirmware>(program);
}

}  // namespace varnolux::sim
