#include "link/recording_facts.h"

#include "state/version.h"

namespace varnolux {

namespace {

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
    f.listingSize = FileSize(os, p.listingName);
    f.listingTime = p.listingTime;
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
    const uint64_t size = FileSize(os, p.listingName);
    if (size == recorded.listingSize && p.listingTime == recorded.listingTime) return {};
    const bool sizeDiffers = size != recorded.listingSize;
    const bool timeDiffers = p.listingTime != recorded.listingTime;
    const std::string what = sizeDiffers && timeDiffers ? "size and time"
                             : sizeDiffers              ? "size"
                                                        : "time";
    return "the listing " + p.listingName + " is not the one recorded (its " + what +
           (sizeDiffers && timeDiffers ? " differ" : " differs") +
           "): the values are decoded with today's listing";
}

}  // namespace varnolux
