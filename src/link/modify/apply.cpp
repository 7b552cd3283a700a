#include "link/modify/apply.h"

namespace varnolux {

bool ApplyModifyToRam(const HostPayload& payload, uint8_t* ram, size_t ramSize) {
    const size_t address = (static_cast<size_t>(payload[1]) << 8) | payload[2];
    const uint8_t size = payload[0];
    const size_t bytes = size == 0 ? 1 : size;
    if (size != 0 && size != 1 && size != 2 && size != 4) return false;
    if (address + bytes > ramSize) return false;
    if (size == 0) {
        ram[address] = static_cast<uint8_t>((ram[address] & payload[4]) | payload[3]);
        return true;
    }
    for (size_t k = 0; k < bytes; ++k) ram[address + k] = payload[3 + k];
    return true;
}

}  // namespace varnolux
