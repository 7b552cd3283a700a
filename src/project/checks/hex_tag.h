#pragma once
// The build stamp (HexTag) that the firmware reports: its text for the main
// window and the time it stands for.
#include <cstdint>
#include <string>

#include "seams/host_os.h"
#include "state/target_identity.h"

namespace varnolux {

// The decimal value of a byte holding two BCD digits (0x59 gives 59).
int32_t BcdValue(uint8_t byte);

// " dd/mm/yy   hh:mm:ss   a.b.c.d" from the identity (its HexTagSecond already
// decreased), or question marks in that shape without HexTag. Seconds below 0
// (a tag that carries none) show as "00".
std::string HexTagText(const TargetIdentity& id);

// The seconds the tag time uses: 59 when the tag carries no seconds
// (progTimeSec 0), else the reported seconds minus one, with 0 and values
// above 61 giving 59.
int32_t TagSeconds(int32_t reportedSecond, int32_t progTimeSec);

// The file time the HexTag stands for. Without HexTag, and when the tag's
// hour, minute and second equal the object file's local time, it is one unit
// after the object time; otherwise the tag read as local time.
FileTime TagTime(const TargetIdentity& id, int32_t reportedSecond, int32_t progTimeSec,
                 FileTime objectTime, const HostOs& os);

// The file time of a local calendar time in the host's time zone.
FileTime FileTimeFromLocal(const HostOs& os, const LocalTime& local);

}  // namespace varnolux
