#include "link/crc8.h"

namespace varnolux {

void Crc8Update(uint8_t& crc, uint8_t data) {
    for (int bit = 0; bit < 8; ++bit) {
        const bool feedback = ((crc ^ data) & 1) != 0;
        if (feedback) crc ^= 0x18;
        crc >>= 1;
        if (feedback) crc |= 0x80;
        data >>= 1;
    }
}

uint8_t Crc8(const uint8_t* data, size_t length) {
    uint8_t crc = 0;
    for (size_t i = 0; i < length; ++i) Crc8Update(crc, data[i]);
    return crc;
}

}  // namespace varnolux
