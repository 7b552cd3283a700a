#include "cli/log/rate_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnolux::cli {
namespace {

struct Look {
    int64_t ms;
    uint64_t bytes;
    int64_t packets;
    bool due;
};

// Bytes without packets for three seconds: said once. A silent line, or a
// line whose bytes make packets, says nothing.
TEST(RateWatch, SpeaksOnceWhenBytesMakeNoPacket) {
    const std::vector<std::vector<Look>> cases = {
        {{0, 0, 0, false}, {5000, 0, 0, false}, {9000, 0, 0, false}},
        {{0, 0, 0, false},
         {1000, 4, 0, false},
         {3999, 9, 0, false},
         {4000, 12, 0, true},
         {9000, 40, 0, false}},
        {{0, 3, 0, false}, {500, 90, 2, false}, {9000, 900, 40, false}},
        {{0, 3, 0, false}, {2000, 5, 0, false}, {2500, 90, 1, false}, {9000, 99, 1, false}},
    };
    for (size_t c = 0; c < cases.size(); ++c) {
        RateWatch watch;
        for (const Look& l : cases[c])
            EXPECT_EQ(watch.Due(l.ms, l.bytes, l.packets), l.due) << "case " << c << " at " << l.ms;
    }
}

}  // namespace
}  // namespace varnolux::cli
