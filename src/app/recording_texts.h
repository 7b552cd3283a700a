#pragma once
// The names and messages of the desktop program's session recordings.
#include <string>

#include "link/recording/file.h"
#include "seams/host_os.h"

namespace varnolux {

// "<base>-<yyyymmdd>-<hhmmss>.pcapng": one name per second, sorted by time.
std::string DefaultRecordingName(const std::string& base, const LocalTime& now);

// The status bar's text while recording: "Recording " and the file's name
// without its folder (either slash separates folders).
std::string RecordingStatusText(const std::string& path);

// Why `path` cannot be replayed: it is empty, it is not a recording, or the
// project it names has no listing in `folder`. Empty when it can.
std::string ReplayRefusal(const std::string& path, const RecordingContents& contents,
                          bool listingFound, const std::string& folder);

}  // namespace varnolux
