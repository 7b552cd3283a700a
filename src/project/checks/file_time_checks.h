#pragma once
// Checks of the modification times of the main source, the listing, the object
// file and the HexTag: their order, their spacing, and changes while running.
#include <string>

#include "seams/host_os.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

struct ProjectTimes {
    FileTime source = 0, listing = 0, object = 0, tag = 0;
    bool hexTag = false;  // the target reported a HexTag
};

// 0 when source <= listing <= object <= tag; else 1 (the source is not the
// oldest), 2 (the listing is newer than the object or the tag) or 3 (the
// object is newer than the tag).
int OrderReason(const ProjectTimes& t);
std::string OrderMessage(const ProjectTimes& t, int reason, const HostOs& os);

// 0 when neighbouring times lie within maxTimeDiff seconds; else the lowest of
// 1 (source to listing), 2 (listing to object), 3 (object to tag).
int SpacingCode(const ProjectTimes& t, int32_t maxTimeDiff);
std::string SpacingMessage(const ProjectTimes& t, int code, int32_t maxTimeDiff, const HostOs& os);

// After a dump: when any of the three files was changed on disk since it was
// recorded, the recompile prompt is shown (once per run) and the new times
// are recorded.
void RecheckFileTimes(Session& session, Seams& seams);

}  // namespace varnolux
