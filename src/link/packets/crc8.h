#pragma once
// CRC-8/MAXIM (1-Wire) of the dump protocol, computed bit by bit.
#include <cstddef>
#include <cstdint>

namespace varnolux {

// One byte into the running CRC.
void Crc8Update(uint8_t& crc, uint8_t data);
// CRC of a whole block, starting from 0.
uint8_t Crc8(const uint8_t* data, size_t length);

}  // namespace varnolux
