#include "sim/core/target_packets.h"

#include <cstdio>

#include "link/line/protocol.h"
#include "link/packets/crc8.h"

namespace varnolux::sim {

namespace {

constexpr int kMinBlockRun = 6;  // shorter runs go into data packets

// Length of the run of `value` bytes from `from` (at most `limit`, at most 255).
int RunLength(const std::vector<uint8_t>& bytes, int32_t from, int32_t last, uint8_t value) {
    int n = 0;
    while (from + n <= last && n < 255 && bytes[static_cast<size_t>(from + n)] == value) ++n;
    return n;
}

// Packets for bytes first..last: runs of `blockValue` as block packets, the
// rest as data packets of at most 26 bytes.
void AddRange(std::vector<SimPacket>& out, const std::vector<uint8_t>& bytes, int32_t first,
              int32_t last, uint8_t dataType, uint8_t blockType, uint8_t blockValue) {
    int32_t a = first;
    while (a <= last) {
        const int run = RunLength(bytes, a, last, blockValue);
        if (run >= kMinBlockRun) {
            out.push_back(
                MakePacket(blockType, {0, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a),
                                       static_cast<uint8_t>(run)}));
            a += run;
            continue;
        }
        std::vector<uint8_t> f = {0, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a)};
        int n = 0;
        while (a + n <= last && n < kMaxPacketData &&
               (n == 0 || RunLength(bytes, a + n, last, blockValue) < kMinBlockRun)) {
            f.push_back(bytes[static_cast<size_t>(a + n)]);
            ++n;
        }
        f[0] = static_cast<uint8_t>(n);
        out.push_back(MakePacket(dataType, f));
        a += n;
    }
}

}  // namespace

void SealPacket(SimPacket& p) {
    p[31] = Crc8(p.data(), 31);
}

SimPacket MakePacket(uint8_t type, const std::vector<uint8_t>& fields) {
    SimPacket p{};
    p[0] = kStx;
    p[1] = type;
    for (size_t i = 0; i < fields.size() && i < 29; ++i) p[2 + i] = fields[i];
    SealPacket(p);
    return p;
}

std::vector<SimPacket> DumpPackets(const TargetProgram& program, const TargetMemory& memory) {
    std::vector<SimPacket> out;
    for (const auto& [first, last] : program.ramRanges)
        AddRange(out, memory.ram, first, last, MT_DATA, MT_NullBlock, 0x00);
    if (!memory.eeprom.empty())
        AddRange(out, memory.eeprom, 0, static_cast<int32_t>(memory.eeprom.size()) - 1, MT_EEPROM,
                 MT_FFBlock, 0xFF);
    std::vector<uint8_t> ports(memory.ports.begin(), memory.ports.end());
    ports.insert(ports.end(), memory.tris.begin(), memory.tris.end());
    out.push_back(MakePacket(MT_PORT, ports));
    return out;
}

std::string PortsLine(const TargetMemory& memory) {
    std::string line = "ports";
    char byte[4];
    for (uint8_t v : memory.ports) {
        std::snprintf(byte, sizeof byte, " %02X", v);
        line += byte;
    }
    line += " tris";
    for (uint8_t v : memory.tris) {
        std::snprintf(byte, sizeof byte, " %02X", v);
        line += byte;
    }
    return line;
}

SimPacket EndPacket(const TargetProgram& program, const EndFacts& facts) {
    SimPacket p{};
    p[0] = kStx;
    p[1] = MT_ENDDATA;
    p[2] = static_cast<uint8_t>(facts.dumpId);
    p[3] = facts.versionMajor;
    p[4] = facts.versionMinor;
    p[5] = facts.waits ? 1 : 0;
    p[16] = 0x10;  // application version 1.0
    const SimHexTag& tag = program.hexTag;
    if (tag.present && (program.core == 16 || program.core == 14)) {
        const bool core16 = program.core == 16;
        p[core16 ? 10 : 11] = tag.month;
        p[core16 ? 11 : 10] = tag.day;
        p[core16 ? 12 : 13] = tag.hour;
        p[core16 ? 13 : 12] = tag.year;
        p[core16 ? 14 : 15] = tag.version1;
        p[core16 ? 15 : 14] = tag.minute;
        p[17] = tag.version2;
        p[20] = tag.second;
    }
    if (program.core == 16) {
        p[24] = static_cast<uint8_t>(program.deviceId);
        p[25] = static_cast<uint8_t>(program.deviceId >> 8);
        p[26] = static_cast<uint8_t>(program.deviceId & 0x0F);
        p[28] = facts.romCheckResult;
    } else if (program.core == 14) {
        p[18] = static_cast<uint8_t>(program.deviceId >> 8);
        p[19] = static_cast<uint8_t>(program.deviceId);
    }
    SealPacket(p);
    return p;
}

}  // namespace varnolux::sim
