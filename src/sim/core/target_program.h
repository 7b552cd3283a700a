#pragma once
// What the simulated firmware knows of itself: its variables, dump points, RAM
// banks, EEPROM, device and ROM words, taken from a loaded project.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "state/session.h"

namespace varnolux::sim {

struct SimVariable {
    std::string label;
    int32_t address = 0;
    int32_t type = 0;
    int32_t len = 1;       // bit number of a bit variable
    bool element = false;  // an array element
};

struct SimDumpPoint {
    int32_t id = 0;
    bool waits = false;  // a dumpw: the end packet asks the host to hold the target
};

// The build stamp the firmware carries: date and time as BCD bytes, the
// compiler version as two bytes of two nibbles each.
struct SimHexTag {
    bool present = false;
    uint8_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    uint8_t version1 = 0x32, version2 = 0x07;
};

// The stamp of a build at the given local time.
SimHexTag HexTagAt(int year, int month, int day, int hour, int minute, int second);

struct TargetProgram {
    std::vector<SimVariable> variables;
    std::vector<SimDumpPoint> dumpPoints;                // in the order the program reaches them
    std::vector<std::pair<int32_t, int32_t>> ramRanges;  // implemented cells, first..last
    int32_t core = 16;
    int32_t eepromSize = 0;
    std::string device;
    uint16_t deviceId = 0;  // device ID word as the chip reports it (with revision)
    RomReference rom;       // the ROM words the chip holds
    SimHexTag hexTag;
};

// The program of a loaded project; the image's Implemented marks give the RAM banks.
TargetProgram ProgramFromSession(const Session& session, uint16_t deviceId);

}  // namespace varnolux::sim
