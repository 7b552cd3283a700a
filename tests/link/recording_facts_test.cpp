#include "link/recording/facts.h"

#include <gtest/gtest.h>

#include "seams/memory/memory_host_os.h"

namespace varnolux {
namespace {

constexpr FileTime kHour = 36000000000ull;
const std::string kListing = "; FILE = Thermo.bas\r\n; [Variable Listing]\r\n";

// The listing a replay finds against the one the recording names.
TEST(ListingDifference, SaysWhenTheListingIsNotTheRecordedOne) {
    struct Case {
        const char* what;
        std::string today;
        FileTime todayTime;
        bool recordedWithDigest;
        std::string expected;  // empty: nothing to say
    };
    const FileTime recordedTime = 1000 * kHour;
    const std::string changed = kListing.substr(0, kListing.size() - 3) + "x\r\n";
    const std::string note = "the listing Thermo.lst is not the one recorded (its ";
    const std::string tail = "): the values are decoded with today's listing";
    const Case cases[] = {
        {"the same bytes unpacked in another time zone", kListing, recordedTime + 3 * kHour, true,
         ""},
        {"the same file", kListing, recordedTime, true, ""},
        {"other bytes of the same size and time", changed, recordedTime, true,
         note + "contents differ" + tail},
        {"a recompile", kListing + "more", recordedTime + kHour, true,
         note + "size and time differ" + tail},
        {"an older recording, same size and time", kListing, recordedTime, false, ""},
        {"an older recording, the time moved", kListing, recordedTime + kHour, false,
         note + "time differs" + tail},
    };
    for (const Case& c : cases) {
        MemoryHostOs os;
        Session session;
        session.project.listingName = "Thermo.lst";
        os.PutFile("Thermo.lst", kListing, recordedTime);
        session.project.listingTime = recordedTime;
        RecordingFacts recorded = FactsOfSession(session, os, "COM1", 115200, RecordingStart::Open);
        if (!c.recordedWithDigest) recorded.listingDigest = 0;

        os.PutFile("Thermo.lst", c.today, c.todayTime);
        session.project.listingTime = c.todayTime;
        EXPECT_EQ(ListingDifference(recorded, session, os), c.expected) << c.what;
    }
}

TEST(RecordingFacts, TheListingDigestIsKeptInTheFile) {
    RecordingFacts facts;
    facts.baseName = "Thermo";
    facts.listingDigest = 0xFEDCBA9876543210ull;
    const RecordingContents read = ParseRecording(RecordingHeader(facts));
    EXPECT_EQ(read.facts.listingDigest, facts.listingDigest);
}

}  // namespace
}  // namespace varnolux
