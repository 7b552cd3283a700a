#include "link/recording/facts.h"

#include "state/version.h"

namespace varnolux {

namespace {

// The listing's size and digest (FNV-1a over its bytes); 0 and 0 without one.
struct ListingPrint {
    uint64_t size = 0;
    uint64_t digest = 0;
};

ListingPrint PrintOf(const HostOs& os, const std::string& path) {
    const std::optional<std::string> data = os.ReadFile(path);
    if (!data) return {};
    uint64_t digest = 14695981039346656037ull;
    for (const char c : *data) digest = (digest ^ static_cast<uint8_t>(c)) * 1099511628211ull;
    return ListingPrint{data->size(), digest};
}

uint64_t FileSize(const HostOs& os, const std::string& path) {
    const std::optional<std::string> data = os.ReadFile(path);
    return data ? data->size() : 0;
}

}  // namespace

RecordingFacts FactsOfSession(const Session& session, const HostOs& os, const std::string& portName,
                              int32_t baud, RecordingStart start) {
    RecordingFacts f;
    const ProjectFacts& p = session.project;
    f.baseName = p.baseName;
    f.device = session.device.SourceDeviceName;
    const ListingPrint listing = PrintOf(os, p.listingName);
    f.listingSize = listing.size;
    f.listingTime = p.listingTime;
    f.listingDigest = listing.digest;
    f.objectSize = FileSize(os, p.objectName);
    f.objectTime = p.objectTime;
    f.baud = baud;
    f.portName = portName;
    f.programVersion = kVersionText;
    f.start = start;
    return f;
}

std::string ListingDifference(const RecordingFacts& recorded, const Session& session,
                              const HostOs& os) {
    const ProjectFacts& p = session.project;
    const ListingPrint listing = PrintOf(os, p.listingName);
    // The same bytes are the same listing, whatever time unpacking or copying
    // gave the file (a zip keeps local times, so another time zone shifts them).
    if (recorded.listingDigest != 0 && listing.digest == recorded.listingDigest) return {};
    const bool sizeDiffers = listing.size != recorded.listingSize;
    const bool timeDiffers = p.listingTime != recorded.listingTime;
    if (recorded.listingDigest == 0 && !sizeDiffers && !timeDiffers) return {};
    const std::string what = sizeDiffers && timeDiffers ? "size and time"
                             : sizeDiffers              ? "size"
                             : timeDiffers              ? "time"
                                                        : "contents";
    return "the listing " + p.listingName + " is not the one recorded (its " + what +
           (what == "size and time" || what == "contents" ? " differ" : " differs") +
           "): the values are decoded with today's listing";
}

}  // namespace varnolux
