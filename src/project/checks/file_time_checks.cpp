#include "project/checks/file_time_checks.h"

#include <algorithm>

#include "project/checks/recompile_prompt.h"

namespace varnolux {

namespace {

constexpr int64_t kUnitsPerSecond = 10000000;

std::string TimeLines(const ProjectTimes& t, const HostOs& os) {
    return "Bas\t" + os.DateTimeText(t.source) + "\r\nLst\t" + os.DateTimeText(t.listing) +
           "\r\nHex\t" + os.DateTimeText(t.object) + "\r\n";
}

std::string SignedText(int32_t value) {
    return (value >= 0 ? " " : "") + std::to_string(value);
}

}  // namespace

int OrderReason(const ProjectTimes& t) {
    if (t.source > std::min({t.listing, t.object, t.tag})) return 1;
    if (t.listing > std::min(t.object, t.tag)) return 2;
    if (t.object > t.tag) return 3;
    return 0;
}

// The message's wording ("Cronological" included) is the program's fixed text.
std::string OrderMessage(const ProjectTimes& t, int reason, const HostOs& os) {
    std::string m =
        "There is a date time inconsistency between the\r\n supplied source, object and "
        "HexTag\r\n\r\nCronological file order should be Bas, Lst, Hex, HexTag\r\n" +
        TimeLines(t, os);
    if (t.hexTag) m += "HexTag\t" + os.DateTimeText(t.tag);
    m += "\r\n\r\n";
    switch (reason) {
        case 3:
            m += "the Hex file is newer than HexTag date/time";
            break;
        case 2:
            m += "The Lst file is newer than at least one other file";
            break;
        default:
            m += "The Bas file is newer than at least one other file";
            break;
    }
    return m;
}

int SpacingCode(const ProjectTimes& t, int32_t maxTimeDiff) {
    const int64_t d = int64_t{maxTimeDiff} * kUnitsPerSecond;
    const auto s = static_cast<int64_t>(t.source), l = static_cast<int64_t>(t.listing),
               o = static_cast<int64_t>(t.object), g = static_cast<int64_t>(t.tag);
    int code = 0;
    if (o + d < g) code = 3;
    if (l + d < o) code = 2;
    if (s + d < l) code = 1;
    return code;
}

std::string SpacingMessage(const ProjectTimes& t, int code, int32_t maxTimeDiff, const HostOs& os) {
    std::string m =
        "There is an usually large time difference between the\r\n supplied source, object "
        "and HexTag\r\n\r\n" +
        TimeLines(t, os);
    if (t.hexTag) m += "HexTag\t" + os.DateTimeText(t.tag) + "\r\n";
    const char* pair = code == 1 ? "Bas and Lst" : code == 2 ? "Lst and Hex" : "Hex and HexTag";
    m += "\r\n\r\nDifference between " + std::string(pair) + " is greater than" +
         SignedText(maxTimeDiff) + " seconds";
    return m;
}

void RecheckFileTimes(Session& session, Seams& seams) {
    ProjectFacts& p = session.project;
    if (p.fileTimesReported) return;
    const FileTime listing = seams.os.LastWriteTime(p.listingName).value_or(0);
    const FileTime source = seams.os.LastWriteTime(p.mainSourceName).value_or(0);
    const FileTime object = seams.os.LastWriteTime(p.objectName).value_or(0);
    if (listing == p.listingTime && source == p.sourceTime && object == p.objectTime) return;
    p.fileTimesReported = 1;
    RecompilePrompt(session, seams, "Date/Time stamps of project files have changed");
    p.listingTime = listing;
    p.sourceTime = source;
    p.objectTime = object;
}

}  // namespace varnolux
