#pragma once
// Where a replay finds the project it shows: the program's folder when the
// recorded project's listing is there; else the recording's own folder when
// it is there (a recording kept beside its project, as the release's demo,
// started from there with the program one folder up); else the program's.
#include <string>

#include "seams/host_os.h"

namespace varnolux {

// Both folders end in their separator; `recordingPath` is a full path.
std::string ReplayProjectFolder(const HostOs& os, const std::string& programFolder,
                                const std::string& recordingPath, const std::string& baseName);

}  // namespace varnolux
