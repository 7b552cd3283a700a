#pragma once
// What the link thread keeps about the transactions beyond the shared flags.
#include <cstdint>
#include <string>

namespace varnolux {

struct LinkStatus {
    std::string elapsedText;     // run time up to the last "c", e.g. "1.250 secs"
    double elapsedSeconds = -1;  // the same in seconds; negative before the first
    // End packet bytes that are kept but not used: 6-7, 8-9 (high byte first), 22, 23.
    uint16_t EndWord1 = 0;
    uint16_t EndWord2 = 0;
    uint8_t EndByte22 = 0;
    uint8_t EndByte23 = 0;
};

}  // namespace varnolux
