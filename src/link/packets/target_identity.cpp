#include "link/line/link_text.h"
#include "link/packets/finish_transaction.h"

namespace varnolux {

namespace {

// Offsets of the HexTag fields: month, day, hour, year, version 1, minute.
struct HexTagLayout {
    int month, day, hour, year, version1, minute;
};
constexpr HexTagLayout kCore16Layout{10, 11, 12, 13, 14, 15};
constexpr HexTagLayout kCore14Layout{11, 10, 13, 12, 15, 14};

int32_t BcdAsDecimal(uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

void TakeHexTag(TargetIdentity& id, const TargetPacket& p, const HexTagLayout& at,
                bool progTimeSec) {
    id.HexTagMonth = p[static_cast<size_t>(at.month)];
    id.HexTagDay = p[static_cast<size_t>(at.day)];
    id.HexTagHour = p[static_cast<size_t>(at.hour)];
    id.HexTagYear = p[static_cast<size_t>(at.year)];
    id.HexTagVersion1 = p[static_cast<size_t>(at.version1)];
    id.HexTagMinute = p[static_cast<size_t>(at.minute)];
    id.AppVersion = p[16];
    id.HexTagVersion2 = p[17];
    id.HexTagValid = (id.HexTagDay != 0 && id.HexTagDay != 0xFF) ? 1 : 0;
    id.HexTagSecond = progTimeSec ? BcdAsDecimal(p[20]) : 0;
}

bool IsK42Revision(const std::string& device) {
    return device == "18F26K42" || device == "18F27K42";
}

}  // namespace

std::string TakeTargetIdentity(Session& session, const TargetPacket& p) {
    TargetIdentity& id = session.identity;
    const std::string& device = session.device.SourceDeviceName;
    const bool progTimeSec = session.settings.ProgTimeSec == 1;
    if (session.device.Core == 16) {
        TakeHexTag(id, p, kCore16Layout, progTimeSec);
        const uint16_t word = static_cast<uint16_t>(p[24] + 256 * p[25]);
        id.RomCheckResult = p[28];
        if (IsK42Revision(device)) {
            id.DeviceIdWord = word;
            id.DeviceRevision = static_cast<uint16_t>(p[26] | p[27]);
            return " " + device + " " + HexDigits(id.DeviceRevision, 2);
        }
        id.DeviceIdWord = word & 0xFFE0;
        id.DeviceRevision = word & 0x1F;
        return " " + device + "  " + Plain(id.DeviceRevision);
    }
    if (session.device.Core == 14) {
        TakeHexTag(id, p, kCore14Layout, progTimeSec);
        id.DeviceIdWord = static_cast<uint16_t>((256 * p[18] + p[19]) & 0xFFE0);
        return " " + device + "  ?";
    }
    return std::string();
}

std::string ClientVersionText(const TargetIdentity& id) {
    std::string text =
        " Ver client" + SignPadded(id.TargetVersionMajor) + "." + Plain(id.TargetVersionMinor);
    if (id.HexTagValid)
        return text + "   app " + HexDigits(id.AppVersion >> 4, 1) + "." +
               HexDigits(id.AppVersion & 0x0F, 1);
    return text + "  App ?.?";
}

std::string TransitionLabel(int32_t previousDumpId, int32_t dumpId, const std::string& elapsed) {
    if (dumpId == previousDumpId || previousDumpId == -1) return std::string();
    return " " + Plain(previousDumpId) + " to " + Plain(dumpId) + "   " + elapsed;
}

}  // namespace varnolux
