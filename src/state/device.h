#pragma once
// What the device description files and the listing tell about the chip.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

constexpr int kPortCount = 7;  // A .. G; the protocol and the Port window use A .. E

struct PortRecord {
    uint8_t DirectionImage = 0;  // TRIS as received; bit = 1 means input
    uint8_t ValueImage = 0;      // PORT as received
    int32_t Expanded = 0;
    int32_t Present = 0;
    int32_t DirectionPresent = 0;
    uint8_t ImplementedBits = 0;
    int32_t Changed = 0;
    uint8_t PreviousValue = 0;
    std::array<std::string, 8> PinNames;  // index = bit, without trailing blanks, at most 20
};

// A special function register as the listing's device declarations name it
// ("PORTA equ 0X0F80").
struct SpecialRegister {
    std::string name;
    int32_t address = 0;
};

struct DeviceDescription {
    std::string ListingDeviceName;
    std::string SourceDeviceName;  // upper case
    int32_t Core = 0;              // 14 or 16
    int32_t CodeSize = 0;          // MAXCODE
    int32_t EepromSize = 0;
    std::array<PortRecord, kPortCount> Ports;
    std::vector<SpecialRegister> Registers;  // in address order
};

}  // namespace varnolux
