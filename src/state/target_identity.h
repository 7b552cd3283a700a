#pragma once
// What the target reports about itself in its first end packet after the load.
#include <cstdint>

namespace varnolux {

struct TargetIdentity {
    uint8_t HexTagDay = 0, HexTagMonth = 0, HexTagYear = 0, HexTagHour = 0, HexTagMinute = 0;
    int32_t HexTagSecond = 0;
    uint8_t HexTagVersion1 = 0, HexTagVersion2 = 0;
    uint8_t AppVersion = 0;
    int32_t HexTagValid = 0;
    uint16_t DeviceIdWord = 0;
    uint16_t DeviceRevision = 0;
    int32_t RomCheckResult = 0;
    uint8_t TargetVersionMajor = 0xFF;
    uint8_t TargetVersionMinor = 0xFF;
};

}  // namespace varnolux
