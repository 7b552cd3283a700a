#include "sim/core/target_memory.h"

#include <cstring>

namespace varnolux::sim {

namespace {

void PutLittleEndian(TargetMemory& m, int32_t address, uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) {
        const int32_t a = address + k;
        if (a >= 0 && a < static_cast<int32_t>(m.ram.size()))
            m.ram[static_cast<size_t>(a)] = static_cast<uint8_t>(value >> (8 * k));
    }
}

}  // namespace

std::array<uint8_t, 4> MicrochipFloatBytes(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return {static_cast<uint8_t>(bits >> 23),
            static_cast<uint8_t>(((bits >> 24) & 0x80) | ((bits >> 16) & 0x7F)),
            static_cast<uint8_t>(bits >> 8), static_cast<uint8_t>(bits)};
}

TargetMemory PowerOnMemory(const TargetProgram& program) {
    TargetMemory m;
    if (program.eepromSize > 0) {
        m.eeprom.assign(static_cast<size_t>(program.eepromSize) + 1, 0xFF);
        const char* text = "VARNOLUX";
        for (size_t i = 0; i < 8 && 8 + i < m.eeprom.size(); ++i)
            m.eeprom[8 + i] = static_cast<uint8_t>(text[i]);
    }
    m.tris = {0xFF, 0x00, 0xF0, 0x0F, 0x07};
    m.ports = {0x01, 0x00, 0x80, 0x00, 0x00};
    return m;
}

void RunToDumpPoint(const TargetProgram& program, TargetMemory& m, int64_t arrival) {
    for (size_t i = 0; i < program.variables.size(); ++i) {
        const SimVariable& v = program.variables[i];
        // Every third variable changes only at every second arrival, every third
        // but one at every third, so some values stay put between dumps.
        const int64_t k = arrival / static_cast<int64_t>(1 + i % 3);
        const uint32_t n = static_cast<uint32_t>(k);
        switch (v.type) {
            case VT_BIT: {
                if (v.address < 0 || v.address >= static_cast<int32_t>(m.ram.size())) break;
                uint8_t& cell = m.ram[static_cast<size_t>(v.address)];
                const uint8_t mask = static_cast<uint8_t>(1u << (v.len & 7));
                cell = static_cast<uint8_t>(((k + static_cast<int64_t>(i)) & 1) ? (cell | mask)
                                                                                : (cell & ~mask));
                break;
            }
            case VT_BYTE:
                PutLittleEndian(m, v.address, v.element ? 'A' + (n + i) % 26 : n * 7 + i, 1);
                break;
            case VT_SBYTE:
                PutLittleEndian(m, v.address, static_cast<uint32_t>(-static_cast<int32_t>(n % 100)),
                                1);
                break;
            case VT_WORD:
                PutLittleEndian(m, v.address, n * 3 + static_cast<uint32_t>(i) * 100, 2);
                break;
            case VT_SWORD:
                PutLittleEndian(m, v.address, static_cast<uint32_t>(-static_cast<int32_t>(n * 5)),
                                2);
                break;
            case VT_DWORD:
                PutLittleEndian(m, v.address, n * 100003u + static_cast<uint32_t>(i), 4);
                break;
            case VT_SDWORD:
                PutLittleEndian(m, v.address,
                                static_cast<uint32_t>(-static_cast<int64_t>(n) * 1000), 4);
                break;
            case VT_FLOAT: {
                const auto bytes = MicrochipFloatBytes(static_cast<float>(k) * 0.25f - 10.0f +
                                                       static_cast<float>(i));
                for (int b = 0; b < 4; ++b)
                    PutLittleEndian(m, v.address + b, bytes[static_cast<size_t>(b)], 1);
                break;
            }
            default:
                break;
        }
    }
    for (size_t a = 0; a < 8 && a < m.eeprom.size(); ++a)
        m.eeprom[a] = static_cast<uint8_t>(arrival + static_cast<int64_t>(a));
    // Port B counts the arrivals in Gray code: one pin changes at every dump
    // point. The other ports keep their power-on state.
    const auto count = static_cast<uint8_t>(arrival);
    m.ports[1] = static_cast<uint8_t>(count ^ (count >> 1));
}

}  // namespace varnolux::sim
