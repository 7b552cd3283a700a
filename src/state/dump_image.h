#pragma once
// The bytes received from the target: RAM cells 0..20000 and EEPROM cells
// 0..EEPROM size. Cells are never cleared between transactions.
#include <cstdint>
#include <vector>

namespace varnolux {

constexpr int32_t kRamTop = 20000;  // highest RAM cell

struct RamCell {
    uint8_t Value = 0;
    int32_t Received = 0;
    int32_t Implemented = 0;
};

struct EepromCell {
    uint8_t Value = 0;
    int32_t Received = 0;
};

struct DumpImage {
    std::vector<RamCell> RamImage = std::vector<RamCell>(kRamTop + 1);
    std::vector<EepromCell> EepromImage;  // EEPROM size + 1 cells, sized by the load
    int32_t DumpId = -1;
    int32_t PreviousDumpId = -1;
};

}  // namespace varnolux
