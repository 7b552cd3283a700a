#include "app/recording_texts.h"

#include <cstdio>

#include "seams/calendar.h"

namespace varnolux {

std::string DefaultRecordingName(const std::string& base, const LocalTime& t) {
    return TimeStampedName(base, t, ".pcapng");
}

std::string RecordingStatusText(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return "Recording " + (slash == std::string::npos ? path : path.substr(slash + 1));
}

std::string ReplayRefusal(const std::string& path, const RecordingContents& contents,
                          bool listingFound, const std::string& folder) {
    if (contents.problem == RecordingProblem::Empty)
        return path + " is empty: it holds no recording";
    if (contents.problem == RecordingProblem::NotRecording)
        return path + " is not a Varnolux session recording";
    if (listingFound) return {};
    const std::string& base = contents.facts.baseName;
    return path + " is a recording of the project \"" + base + "\", whose listing " + base +
           ".lst is not in " + folder;
}

}  // namespace varnolux
