#pragma once
// Storing the contents of accepted packets into the dump image and port table.
// The caller holds Session::recordsLock.
#include <cstdint>

#include "link/packets/handler.h"
#include "state/session.h"

namespace varnolux {

// RAM bytes of MT_DATA (data) or MT_NullBlock (zeros); cells beyond the image are dropped.
void StoreRamBytes(DumpImage& image, const TargetPacket& packet);
void StoreNullBlock(DumpImage& image, const TargetPacket& packet);

struct EepromStoreResult {
    bool beyondEnd = false;  // an address beyond the device's EEPROM was met
    int32_t firstBadAddress = 0;
    int32_t lastCell = 0;  // E, the highest EEPROM address
};
EepromStoreResult StoreEepromBytes(DumpImage& image, int32_t eepromSize,
                                   const TargetPacket& packet);
EepromStoreResult StoreFFBlock(DumpImage& image, int32_t eepromSize, const TargetPacket& packet);

void StorePorts(DeviceDescription& device, const TargetPacket& packet);

}  // namespace varnolux
