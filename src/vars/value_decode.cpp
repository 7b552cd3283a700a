#include "vars/value_decode.h"

#include <cmath>
#include <cstring>

namespace varnolux {
namespace {

bool CellReceived(const DumpImage& image, int32_t cell) {
    return cell >= 0 && cell <= kRamTop && image.RamImage[cell].Received != 0;
}

}  // namespace

int ValueByteCount(int32_t type) {
    switch (type) {
        case VT_BIT:
        case VT_BYTE:
        case VT_SBYTE:
            return 1;
        case VT_WORD:
        case VT_SWORD:
            return 2;
        case VT_DWORD:
        case VT_SDWORD:
        case VT_FLOAT:
            return 4;
        default:
            return 0;
    }
}

ImplementedCell NextImplementedCell(const DumpImage& image, int32_t cell) {
    if (cell < 0) cell = 0;
    while (cell < kRamTop && image.RamImage[cell].Implemented == 0) ++cell;
    if (cell < kRamTop) return {cell, image.RamImage[cell].Value};
    return {cell, 0};
}

uint32_t MicrochipFloatToIeee(uint8_t exponent, uint8_t m2, uint8_t m1, uint8_t m0) {
    const uint32_t b3 = (m2 & 0x80u) | (exponent >> 1);
    const uint32_t b2 = ((exponent & 1u) << 7) | (m2 & 0x7Fu);
    return (b3 << 24) | (b2 << 16) | (uint32_t(m1) << 8) | m0;
}

DecodedValue DecodeRawValue(const MyVarRecord& record, const DumpImage& image) {
    const int count = ValueByteCount(record.VarType);
    int32_t c = record.VarAddress;
    if (count == 0 || c < 0 || c > kRamTop) return {};

    uint8_t bytes[4] = {image.RamImage[c].Value, 0, 0, 0};
    for (int k = 1; k < count; ++k) {
        const ImplementedCell next = NextImplementedCell(image, c + 1);
        c = next.cell;
        bytes[k] = next.value;
    }

    DecodedValue out;
    out.taken = CellReceived(image, c);
    switch (record.VarType) {
        case VT_BIT:
            out.raw =
                (record.VarLen >= 0 && record.VarLen < 8) ? (bytes[0] >> record.VarLen) & 1u : 0u;
            break;
        case VT_FLOAT:
            out.raw = MicrochipFloatToIeee(bytes[0], bytes[1], bytes[2], bytes[3]);
            break;
        default:
            out.raw = uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) |
                      (uint32_t(bytes[3]) << 24);
            break;
    }
    return out;
}

uint32_t FloatBits(float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

double NumericValue(int32_t varType, uint32_t raw) {
    switch (varType) {
        case VT_BIT:
        case VT_BYTE:
        case VT_WORD:
        case VT_DWORD:
            return static_cast<double>(raw);
        case VT_SBYTE:
            return static_cast<double>(static_cast<int8_t>(raw & 0xFFu));
        case VT_SWORD:
            return static_cast<double>(static_cast<int16_t>(raw & 0xFFFFu));
        case VT_SDWORD:
            return static_cast<double>(static_cast<int32_t>(raw));
        case VT_FLOAT: {
            float f;
            std::memcpy(&f, &raw, sizeof f);
            return static_cast<double>(f);
        }
        default:
            return std::nan("");
    }
}

}  // namespace varnolux
