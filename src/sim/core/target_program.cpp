#include "sim/core/target_program.h"

namespace varnolux::sim {

namespace {
uint8_t Bcd(int n) {
    return static_cast<uint8_t>(((n / 10) % 10) << 4 | (n % 10));
}
}  // namespace

SimHexTag HexTagAt(int year, int month, int day, int hour, int minute, int second) {
    SimHexTag tag;
    tag.present = true;
    tag.year = Bcd(year % 100);
    tag.month = Bcd(month);
    tag.day = Bcd(day);
    tag.hour = Bcd(hour);
    tag.minute = Bcd(minute);
    tag.second = Bcd(second);
    return tag;
}

TargetProgram ProgramFromSession(const Session& session, uint16_t deviceId) {
    TargetProgram program;
    for (const MyVarRecord& r : session.records) {
        if (r.VarRecordType == RT_ARRAY || r.VarType < VT_BIT || r.VarType > VT_FLOAT) continue;
        program.variables.push_back(SimVariable{r.VarLabel, r.VarAddress, r.VarType, r.VarLen,
                                                r.VarRecordType == RT_SUBSCRIPT});
    }
    for (int32_t id : session.dumpPoints.order) {
        if (id < 0 || id >= kDumpPointEntries) continue;
        program.dumpPoints.push_back(
            SimDumpPoint{id, session.dumpPoints.entries[static_cast<size_t>(id)].kind == 1});
    }
    const auto& ram = session.image.RamImage;
    for (int32_t a = 0; a < static_cast<int32_t>(ram.size()); ++a) {
        if (!ram[static_cast<size_t>(a)].Implemented) continue;
        if (!program.ramRanges.empty() && program.ramRanges.back().second == a - 1)
            program.ramRanges.back().second = a;
        else
            program.ramRanges.emplace_back(a, a);
    }
    program.core = session.device.Core;
    program.eepromSize = session.device.EepromSize;
    program.device = session.device.SourceDeviceName;
    program.deviceId = deviceId;
    program.rom = session.project.romReference;
    return program;
}

}  // namespace varnolux::sim
