#include "link/packets/crc8.h"

#include <array>

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

namespace {

// The CRC after one byte for every value of (crc ^ byte): the bitwise update
// depends on nothing else, so a packet costs one look-up per byte.
std::array<uint8_t, 256> ByteTable() {
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        uint8_t crc = 0;
        Crc8Update(crc, static_cast<uint8_t>(i));
        table[static_cast<size_t>(i)] = crc;
    }
    return table;
}

}  // namespace

uint8_t Crc8(const uint8_t* data, size_t length) {
    static const std::array<uint8_t, 256> table = ByteTable();
    uint8_t crc = 0;
    for (size_t i = 0; i < length; ++i) crc = table[crc ^ data[i]];
    return crc;
}

}  // namespace varnolux
