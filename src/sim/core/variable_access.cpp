#include "sim/core/variable_access.h"

#include <cmath>
#include <cstring>

#include "text/text_util.h"
#include "vars/value_decode.h"

namespace varnolux::sim {

namespace {

// Bytes the variable takes in RAM: a bit lives in one byte, as does a
// variable of a type the listing did not name.
int Size(int32_t type) {
    const int bytes = ValueByteCount(type);
    return bytes == 0 ? 1 : bytes;
}

bool InRam(const TargetMemory& m, int64_t address) {
    return address >= 0 && address < static_cast<int64_t>(m.ram.size());
}

uint32_t ReadBytes(const TargetMemory& m, int32_t address, int bytes) {
    uint32_t value = 0;
    for (int k = 0; k < bytes; ++k)
        if (InRam(m, int64_t{address} + k))
            value |= uint32_t{m.ram[static_cast<size_t>(address + k)]} << (8 * k);
    return value;
}

void WriteBytes(TargetMemory& m, int32_t address, uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k)
        if (InRam(m, int64_t{address} + k))
            m.ram[static_cast<size_t>(address + k)] = static_cast<uint8_t>(value >> (8 * k));
}

float FloatOf(uint32_t stored) {
    const auto byte = [&](int k) { return (stored >> (8 * k)) & 0xFF; };
    const uint32_t bits =
        (byte(1) & 0x80) << 24 | byte(0) << 23 | (byte(1) & 0x7F) << 16 | byte(2) << 8 | byte(3);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

const SimVariable* FindVariable(const TargetProgram& program, const std::string& label) {
    for (const SimVariable& v : program.variables)
        if (TrimTrailingBlanks(v.label) == label) return &v;
    return nullptr;
}

int64_t ReadNumber(const TargetMemory& m, const SimVariable& v) {
    if (v.type == VT_BIT) return (ReadBytes(m, v.address, 1) >> (v.len & 7)) & 1;
    const uint32_t raw = ReadBytes(m, v.address, Size(v.type));
    switch (v.type) {
        case VT_SBYTE:
            return static_cast<int8_t>(raw);
        case VT_SWORD:
            return static_cast<int16_t>(raw);
        case VT_SDWORD:
            return static_cast<int32_t>(raw);
        case VT_FLOAT:
            return static_cast<int64_t>(FloatOf(raw));
        default:
            return raw;
    }
}

void WriteNumber(TargetMemory& m, const SimVariable& v, double value) {
    if (v.type == VT_BIT) {
        if (!InRam(m, v.address)) return;
        uint8_t& cell = m.ram[static_cast<size_t>(v.address)];
        const uint8_t mask = static_cast<uint8_t>(1u << (v.len & 7));
        cell = value != 0 ? static_cast<uint8_t>(cell | mask) : static_cast<uint8_t>(cell & ~mask);
        return;
    }
    if (v.type == VT_FLOAT) {
        const auto bytes = MicrochipFloatBytes(static_cast<float>(value));
        for (int b = 0; b < 4; ++b) WriteBytes(m, v.address + b, bytes[static_cast<size_t>(b)], 1);
        return;
    }
    WriteBytes(m, v.address, static_cast<uint32_t>(std::llround(value)), Size(v.type));
}

void CopyVariable(TargetMemory& m, const SimVariable& from, const SimVariable& to) {
    if (from.type == VT_BIT) {
        WriteNumber(m, to, static_cast<double>(ReadNumber(m, from)));
        return;
    }
    WriteBytes(m, to.address, ReadBytes(m, from.address, Size(from.type)), Size(to.type));
}

}  // namespace varnolux::sim
