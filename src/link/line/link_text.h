#pragma once
// Number texts of the link's messages and labels.
#include <cstdint>
#include <string>

namespace varnolux {

// Decimal with one leading blank when not negative (" 115200", "-1").
std::string SignPadded(int64_t n);
// Decimal without a blank.
std::string Plain(int64_t n);
// Upper-case hexadecimal, zero-padded to `width` digits.
std::string HexDigits(uint32_t n, int width);
// Seconds with the mask "###.000": no leading zeros, three decimals.
std::string ElapsedSeconds(double seconds);

}  // namespace varnolux
