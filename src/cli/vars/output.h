#pragma once
// What "varnolux-cli vars" prints: the loaded project as a table or as one
// JSON document whose keys are a stable contract for scripts.
#include <string>
#include <vector>

#include "state/session.h"

namespace varnolux::cli {

// One line per record: label, type, address, length, watched mark, comment.
std::string VarsTable(const Session& session);

// Keys: records, dumpPoints, sourceFiles, device, romReference, heapTotal, messages.
std::string VarsJson(const Session& session, const std::vector<std::string>& messages);

}  // namespace varnolux::cli
