#include "link/packets/store.h"

#include <algorithm>

#include "link/line/protocol.h"

namespace varnolux {

namespace {

int32_t StartAddress(const TargetPacket& p) {
    return (p[3] << 8) | p[4];
}

void SetRam(DumpImage& image, int32_t address, uint8_t value) {
    if (address < 0 || address >= static_cast<int32_t>(image.RamImage.size())) return;
    RamCell& cell = image.RamImage[static_cast<size_t>(address)];
    cell.Value = value;
    cell.Received = 1;
}

int32_t LastEepromCell(const DumpImage& image, int32_t eepromSize) {
    return std::min(eepromSize, static_cast<int32_t>(image.EepromImage.size()) - 1);
}

// Stores `count` EEPROM bytes from the start address; an address beyond the
// end is not advanced past, so the rest of the packet is dropped.
template <typename ValueAt>
EepromStoreResult StoreEeprom(DumpImage& image, int32_t eepromSize, const TargetPacket& p,
                              int count, ValueAt valueAt) {
    EepromStoreResult r;
    r.lastCell = eepromSize;
    const int32_t last = LastEepromCell(image, eepromSize);
    int32_t address = StartAddress(p);
    for (int i = 0; i < count; ++i) {
        if (address > last) {
            r.beyondEnd = true;
            r.firstBadAddress = address;
            break;
        }
        EepromCell& cell = image.EepromImage[static_cast<size_t>(address)];
        cell.Value = valueAt(i);
        cell.Received = 1;
        ++address;
    }
    return r;
}

}  // namespace

void StoreRamBytes(DumpImage& image, const TargetPacket& p) {
    const int count = std::min<int>(p[2], kMaxPacketData);
    const int32_t start = StartAddress(p);
    for (int i = 0; i < count; ++i) SetRam(image, start + i, p[static_cast<size_t>(5 + i)]);
}

void StoreNullBlock(DumpImage& image, const TargetPacket& p) {
    const int32_t start = StartAddress(p);
    for (int i = 0; i < p[5]; ++i) SetRam(image, start + i, 0x00);
}

EepromStoreResult StoreEepromBytes(DumpImage& image, int32_t eepromSize, const TargetPacket& p) {
    return StoreEeprom(image, eepromSize, p, std::min<int>(p[2], kMaxPacketData),
                       [&p](int i) { return p[static_cast<size_t>(5 + i)]; });
}

EepromStoreResult StoreFFBlock(DumpImage& image, int32_t eepromSize, const TargetPacket& p) {
    return StoreEeprom(image, eepromSize, p, p[5], [](int) { return uint8_t{0xFF}; });
}

void StorePorts(DeviceDescription& device, const TargetPacket& p) {
    for (size_t i = 0; i < 5; ++i) {
        device.Ports[i].ValueImage = p[2 + i];
        device.Ports[i].DirectionImage = p[7 + i];
    }
}

}  // namespace varnolux
