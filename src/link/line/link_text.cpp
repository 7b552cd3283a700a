#include "link/line/link_text.h"

#include <cmath>
#include <cstdio>

namespace varnolux {

std::string SignPadded(int64_t n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string Plain(int64_t n) {
    return std::to_string(n);
}

std::string HexDigits(uint32_t n, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", width, n);
    return buf;
}

std::string ElapsedSeconds(double seconds) {
    if (seconds < 0) seconds = 0;
    const long long thousandths = std::llround(seconds * 1000.0);
    char buf[40];
    std::snprintf(buf, sizeof buf, ".%03lld", thousandths % 1000);
    const long long whole = thousandths / 1000;
    return (whole == 0 ? std::string() : std::to_string(whole)) + buf;
}

}  // namespace varnolux
