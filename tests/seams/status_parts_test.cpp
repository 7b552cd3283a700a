// The main status bar's parts: part 0 widens for a long text (a stop rule's
// firing) while the parts after it keep their widths and the last part keeps
// room for its own text.
#include "seams/status_parts.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

TEST(StatusParts, PartZeroGrowsIntoTheRoomTheLastPartLeaves) {
    const struct {
        int firstText, lastText, bar, firstNow;
        StatusPartEdges edges;
        const char* what;
    } cases[] = {
        {90, 0, 630, 212, {135, 277, 384, 486, -1}, "a text that fits: the parts as created"},
        {200, 0, 900, 135, {212, 354, 461, 563, -1}, "a firing: part 0 holds it, the others move"},
        {2000, 0, 630, 135, {255, 397, 504, 606, -1}, "a long condition: up to the size grip"},
        {2000, 200, 900, 135, {337, 479, 586, 688, -1}, "the last part keeps its own text"},
        {2000, 400, 630, 135, {135, 277, 384, 486, -1}, "never narrower than created"},
        {200, 0, 300, 135, {135, 277, 384, 486, -1}, "a bar narrower than the parts"},
        {0, 0, 900, 212, {212, 354, 461, 563, -1}, "a blink's empty text keeps the width"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusPartEdgesFor(c.firstText, c.lastText, c.bar, c.firstNow), c.edges)
            << c.what;
}

}  // namespace
}  // namespace varnolux
