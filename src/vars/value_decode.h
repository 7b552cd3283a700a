#pragma once
// Turning the RAM cells of a dump image into a record's raw 32-bit value.
#include <cstdint>

#include "state/dump_image.h"
#include "state/var_record.h"

namespace varnolux {

struct ImplementedCell {
    int32_t cell = 0;   // index of the cell found (may lie beyond kRamTop)
    uint8_t value = 0;  // its byte; 0 at or beyond the last cell
};

// Number of bytes a value of the type occupies (a bit's byte counts as 1); 0
// for unknown types.
int ValueByteCount(int32_t type);

// The first implemented cell from `cell` on, so a value that straddles a gap
// between RAM banks continues in the next bank.
ImplementedCell NextImplementedCell(const DumpImage& image, int32_t cell);

struct DecodedValue {
    uint32_t raw = 0;
    bool taken = false;  // the last cell read had been received
};

// The raw value of the record's VarType read from VarAddress on. Never fails:
// missing cells read as 0 and make the value not taken. Types outside 1..8 and
// addresses outside the RAM image are never taken.
DecodedValue DecodeRawValue(const MyVarRecord& record, const DumpImage& image);

// Microchip 32-bit float (exponent, sign+mantissa high, mantissa mid, mantissa low)
// to the bit pattern of the same IEEE 754 single.
uint32_t MicrochipFloatToIeee(uint8_t exponent, uint8_t m2, uint8_t m1, uint8_t m0);

// A raw value of the type as the number it stands for: unsigned types as
// unsigned, signed types sign-extended from their width, floats from their
// IEEE bits; NaN for an unknown type.
double NumericValue(int32_t varType, uint32_t raw);

// The IEEE 754 bit pattern of a float.
uint32_t FloatBits(float f);

}  // namespace varnolux
