#include "link/packets/trace_file.h"

#include <algorithm>

#include "link/line/link_text.h"
#include "link/line/protocol.h"
#include "project/load/sequence.h"

namespace varnolux {

namespace {

const char* const kEol = "\r\n";

int32_t StartAddress(const TargetPacket& p) {
    return (p[3] << 8) | p[4];
}

std::string DataRecord(const TargetPacket& p, const std::string& count) {
    // Only the bytes the packet holds are listed, whatever its count says.
    const int n = std::min<int>(p[2], kMaxPacketData);
    std::string addresses = "      ";
    std::string data = "Data   ";
    for (int i = 0; i < n; ++i) {
        addresses += HexDigits(static_cast<uint32_t>(StartAddress(p) + i) & 0xFFFF, 4) + " ";
        data += HexDigits(p[static_cast<size_t>(5 + i)], 2) + "   ";
    }
    return addresses + kEol + data + "   " + count + kEol + kEol + kEol;
}

}  // namespace

std::string TraceRecord(const TargetPacket& p, int32_t packetCount) {
    const std::string P = SignPadded(packetCount);
    const std::string twoEmpty = std::string(kEol) + kEol + kEol;
    switch (p[1]) {
        case MT_DATA:
            return DataRecord(p, P);
        case MT_NullBlock:
            return "Null Block     start at " + HexDigits(StartAddress(p), 4) + " for " +
                   HexDigits(p[5], 2) + " bytes     packet num " + P + twoEmpty;
        case MT_EEPROM:
            return "EEPROM    PacketNum" + P + twoEmpty;
        case MT_FFBlock:
            return "FF Block     start at " + HexDigits(StartAddress(p), 4) + " for " +
                   HexDigits(p[5], 2) + " bytes      PacketNum" + P + twoEmpty;
        case MT_PORT:
            return "Port     packet num" + P + twoEmpty;
        case MT_ENDDATA:
            return "********** End transaction ********** " + P + twoEmpty + kEol;
        default:
            return std::string();
    }
}

void TracePacket(LinkContext& link, const TargetPacket& packet) {
    const std::string record = TraceRecord(packet, link.session.run.PacketCount.load());
    if (record.empty()) return;
    link.seams.os.AppendFile(TraceFileName(link.session.project.listingName), record);
}

}  // namespace varnolux
