#include "link/packets/host_packet.h"

#include "link/line/protocol.h"
#include "link/packets/crc8.h"

namespace varnolux {

HostPacket BuildHostPacket(uint8_t type, const HostPayload& payload) {
    HostPacket p{};
    p[0] = kStx;
    p[1] = kHostPacketSize;
    p[2] = type;
    for (size_t i = 0; i < payload.size(); ++i) p[3 + i] = payload[i];
    p[10] = Crc8(p.data(), 10);
    return p;
}

HostPayload RomCheckPayload(const RomReference& rom) {
    HostPayload p{};
    p[0] = rom.wordCount == 1 ? 2 : rom.wordCount == 2 ? 4 : 0;
    p[1] = static_cast<uint8_t>(rom.address >> 8);
    p[2] = static_cast<uint8_t>(rom.address);
    p[3] = static_cast<uint8_t>(rom.firstWord >> 8);
    p[4] = static_cast<uint8_t>(rom.firstWord);
    if (rom.wordCount == 2) {
        p[5] = static_cast<uint8_t>(rom.secondWord >> 8);
        p[6] = static_cast<uint8_t>(rom.secondWord);
    }
    return p;
}

HostPayload ResetPayload() {
    return HostPayload{0x00, 0xCC, 0x55, 0x00, 0x00, 0x00, 0x00};
}

void WriteHostPacket(LinkContext& link, const HostPacket& packet) {
    for (uint8_t byte : packet) WriteAnswer(link, byte, " write Modify byte failed");
}

void SendHostPacket(LinkContext& link, uint8_t type, const HostPayload& payload) {
    WriteHostPacket(link, BuildHostPacket(type, payload));
}

}  // namespace varnolux
