#include "sim/core/thermostat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varnolux::sim {
namespace {

// The demo's variables, at addresses of their own.
TargetProgram Thermostat() {
    TargetProgram p;
    int32_t a = 0x20;
    auto add = [&](const std::string& label, int32_t type, int32_t size, bool element = false) {
        p.variables.push_back(SimVariable{label, a, type, 0, element});
        a += size;
    };
    add("tick", VT_WORD, 2);
    add("state", VT_BYTE, 1);
    add("setPoint", VT_SWORD, 2);
    add("temperature", VT_SWORD, 2);
    add("diff", VT_SWORD, 2);
    add("gain", VT_FLOAT, 4);
    p.variables.push_back(SimVariable{"heating", a++, VT_BIT, 0, false});
    for (int i = 0; i < 2; ++i) add("counts#" + std::to_string(i), VT_DWORD, 4, true);
    for (int i = 0; i < 13; ++i) add("greeting#" + std::to_string(i), VT_BYTE, 1, true);
    return p;
}

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

// What a newcomer reads in the demo must be plausible: a room between 15 and
// 30 degrees that moves smoothly, a set-point that stays, a heater that
// switches by the firmware's rule, counters that only count up, a greeting.
TEST(Thermostat, TheDemoPlaysAPlausibleRoom) {
    const TargetProgram program = Thermostat();
    ASSERT_TRUE(IsThermostat(program));
    TargetMemory m = PowerOnMemory(program);
    int32_t last = 0;
    uint32_t lastOn = 0;
    int switches = 0, previousHeating = -1;
    for (int64_t arrival = 1; arrival <= 800; ++arrival) {
        RunToDumpPoint(program, m, arrival);
        SCOPED_TRACE(arrival);
        const int32_t t = Word(m, program, "temperature");
        EXPECT_GE(t, 150);
        EXPECT_LE(t, 300);
        if (arrival > 1) {
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
        greeting += static_cast<char>(m.ram[program.variables[9 + i].address]);
    EXPECT_EQ(greeting, "Thermo v1.0");
}

TEST(Thermostat, OtherProgramsKeepTheGenericPattern) {
    TargetProgram other;
    other.variables.push_back(SimVariable{"temperature", 0x20, VT_SWORD, 1, false});
    EXPECT_FALSE(IsThermostat(other));
}

}  // namespace
}  // namespace varnolux::sim
