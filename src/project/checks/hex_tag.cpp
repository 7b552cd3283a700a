#include "project/checks/hex_tag.h"

#include <algorithm>
#include <cstdio>

#include "seams/calendar.h"

namespace varnolux {

int32_t BcdValue(uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

std::string HexTagText(const TargetIdentity& id) {
    if (!id.HexTagValid) return "?\?/?\?/??  ??:??:??  ?.?.?.?";  // "\?": no trigraphs
    char text[64];
    std::snprintf(text, sizeof text, " %02X/%02X/%02X   %02X:%02X:%02d   %X.%X.%X.%X", id.HexTagDay,
                  id.HexTagMonth, id.HexTagYear, id.HexTagHour, id.HexTagMinute,
                  std::clamp<int32_t>(id.HexTagSecond, 0, 99), id.HexTagVersion1 >> 4,
                  id.HexTagVersion1 & 0x0F, id.HexTagVersion2 >> 4, id.HexTagVersion2 & 0x0F);
    return text;
}

int32_t TagSeconds(int32_t reportedSecond, int32_t progTimeSec) {
    if (progTimeSec == 0) return 59;
    if (reportedSecond == 0 || reportedSecond > 61) return 59;
    return reportedSecond - 1;
}

FileTime FileTimeFromLocal(const HostOs& os, const LocalTime& local) {
    const int64_t asUtc = UnixFromLocalTime(local);
    auto offsetAt = [&os](int64_t unix) {
        return UnixFromLocalTime(os.ToLocalTime(FileTimeFromUnix(unix))) - unix;
    };
    // The zone's offset at the guess, taken twice so that a change of daylight
    // saving time between the local and the UTC reading is followed.
    int64_t utc = asUtc - offsetAt(asUtc);
    utc = asUtc - offsetAt(utc);
    return FileTimeFromUnix(utc);
}

FileTime TagTime(const TargetIdentity& id, int32_t reportedSecond, int32_t progTimeSec,
                 FileTime objectTime, const HostOs& os) {
    if (!id.HexTagValid) return objectTime + 1;
    LocalTime tag;
    tag.year = 2000 + BcdValue(id.HexTagYear);
    tag.month = BcdValue(id.HexTagMonth);
    tag.day = BcdValue(id.HexTagDay);
    tag.hour = BcdValue(id.HexTagHour);
    tag.minute = BcdValue(id.HexTagMinute);
    tag.second = TagSeconds(reportedSecond, progTimeSec);
    // A tag showing the object file's own clock time was stamped with it; the
    // date is not compared, so the short-date format plays no part.
    const LocalTime object = os.ToLocalTime(objectTime);
    if (tag.hour == object.hour && tag.minute == object.minute && tag.second == object.second) {
        return objectTime + 1;
    }
    return FileTimeFromLocal(os, tag);
}

}  // namespace varnolux
