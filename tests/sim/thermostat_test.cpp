#include "sim/core/thermostat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sim/demo_program.h"

namespace varnolux::sim {
namespace {

int32_t Word(const TargetMemory& m, const TargetProgram& p, const std::string& label) {
    for (const SimVariable& v : p.variables)
        if (v.label == label)
            return static_cast<int16_t>(m.ram[v.address] | (m.ram[v.address + 1] << 8));
    return -99999;
}

uint32_t DWord(const TargetMemory& m, const TargetProgram& p, const std::string& label) {
    for (const SimVariable& v : p.variables)
        if (v.label == label)
            return m.ram[v.address] | (m.ram[v.address + 1] << 8) | (m.ram[v.address + 2] << 16) |
                   (static_cast<uint32_t>(m.ram[v.address + 3]) << 24);
    return 0;
}

void PutWord(TargetMemory& m, const TargetProgram& p, const std::string& label, int32_t value) {
    for (const SimVariable& v : p.variables)
        if (v.label == label) {
            m.ram[v.address] = static_cast<uint8_t>(value);
            m.ram[v.address + 1] = static_cast<uint8_t>(value >> 8);
        }
}

// What a newcomer reads in the demo must be plausible: after each switch of
// the heater (dump point 12) a room between 15 and 30 degrees that moves
// smoothly, a set-point that stays, a heater that switches by the firmware's
// rule, counters that only count up, a greeting.
TEST(Thermostat, TheDemoPlaysAPlausibleRoom) {
    const TargetProgram program = DemoProgram();
    ASSERT_TRUE(IsThermostat(program));
    Thermostat firmware(program);
    TargetMemory m = PowerOnMemory(program);
    int32_t last = 0, rounds = 0;
    uint32_t lastOn = 0;
    int switches = 0, previousHeating = -1;
    for (int arrival = 1; arrival <= 800; ++arrival) {
        if (firmware.RunToNextDumpPoint(m) != 12) continue;
        SCOPED_TRACE(arrival);
        const int32_t t = Word(m, program, "temperature");
        EXPECT_GE(t, 150);
        EXPECT_LE(t, 300);
        if (rounds++ > 0) {
            EXPECT_LE(std::abs(t - last), 15) << "a jump of more than 1.5 degrees";
        }
        last = t;
        EXPECT_EQ(Word(m, program, "setPoint"), 215);
        EXPECT_EQ(Word(m, program, "diff"), 215 - t);
        const int heating = m.ram[program.variables[6].address] & 1;
        EXPECT_EQ(heating, 215 - t > 5 ? 1 : 0);
        if (previousHeating >= 0 && heating != previousHeating) ++switches;
        previousHeating = heating;
        const uint32_t on = DWord(m, program, "counts#0");
        EXPECT_GE(on, lastOn);
        lastOn = on;
    }
    EXPECT_GE(switches, 4) << "the heater should switch on and off now and then";
    EXPECT_GE(lastOn, 2u);
    std::string greeting;
    for (int i = 0; i < 11; ++i)
        greeting += static_cast<char>(m.ram[program.variables[10 + i].address]);
    EXPECT_EQ(greeting, "Thermo v1.0");
}

// A set-point written by the host is the firmware's from then on: the heater
// follows it, and only a reset brings back the program's own.
TEST(Thermostat, AWrittenSetPointStaysAndTheHeaterFollowsIt) {
    const TargetProgram program = DemoProgram();
    Thermostat firmware(program);
    TargetMemory m = PowerOnMemory(program);
    while (firmware.RunToNextDumpPoint(m) != 5) {
    }
    PutWord(m, program, "setPoint", 400);
    for (int rounds = 0; rounds < 20;) {
        if (firmware.RunToNextDumpPoint(m) != 12) continue;
        ++rounds;
        EXPECT_EQ(Word(m, program, "setPoint"), 400);
        EXPECT_EQ(m.ram[program.variables[6].address] & 1, 1) << "the heater is off";
    }
    firmware.Restart();
    EXPECT_EQ(firmware.RunToNextDumpPoint(m), 1);
    EXPECT_EQ(Word(m, program, "setPoint"), 215);
}

TEST(Thermostat, OtherProgramsKeepTheGenericPattern) {
    TargetProgram other;
    other.variables.push_back(SimVariable{"temperature", 0x20, VT_SWORD, 1, false});
    EXPECT_FALSE(IsThermostat(other));
}

}  // namespace
}  // namespace varnolux::sim
