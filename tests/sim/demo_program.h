#pragma once
// The demo thermostat's variables, at addresses of their own, and its dump
// points: the program the simulated demo firmware runs on.
#include <string>

#include "sim/core/target_program.h"

namespace varnolux::sim {

inline TargetProgram DemoProgram() {
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
    p.variables.push_back(SimVariable{"heating", a, VT_BIT, 0, false});
    p.variables.push_back(SimVariable{"fault", a++, VT_BIT, 1, false});
    for (int i = 0; i < 2; ++i) add("counts#" + std::to_string(i), VT_DWORD, 4, true);
    for (int i = 0; i < 13; ++i) add("greeting#" + std::to_string(i), VT_BYTE, 1, true);
    add("trim", VT_SBYTE, 1);
    add("sensorRaw", VT_WORD, 2);
    add("badReads", VT_BYTE, 1);
    for (int i = 0; i < 3; ++i) add("readings#" + std::to_string(i), VT_FLOAT, 4, true);
    p.dumpPoints = {{1, false}, {5, true}, {12, true}, {20, false}, {151, false}, {150, true}};
    return p;
}

}  // namespace varnolux::sim
