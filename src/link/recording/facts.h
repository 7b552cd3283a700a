#pragma once
// The project facts a recording carries, taken from the loaded session, and the
// check of a recording against the project it is replayed with.
#include <string>

#include "link/recording/file.h"
#include "seams/host_os.h"
#include "state/session.h"

namespace varnolux {

RecordingFacts FactsOfSession(const Session& session, const HostOs& os, const std::string& portName,
                              int32_t baud, RecordingStart start);

// Empty when the loaded project's listing is the recorded one (same size and
// time); otherwise one text that says what differs.
std::string ListingDifference(const RecordingFacts& recorded, const Session& session,
                              const HostOs& os);

}  // namespace varnolux
