#include "layout/free_place.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

const Rect kWork{0, 0, 1280, 994};
const Rect kMain{100, 100, 630, 514};
const Rect kWatch{93, 160, 461, 633};

struct PlaceCase {
    const char* what;
    Rect wanted;
    std::vector<Rect> taken;
    Rect expected;
};

TEST(FreePlace, OpensWhereNoOtherWindowOfTheProgramIs) {
    const PlaceCase cases[] = {
        {"nothing else open: its own place", {93, 160, 773, 613}, {}, {93, 160, 773, 613}},
        {"its own place is free", {700, 100, 900, 300}, {kMain}, {700, 100, 900, 300}},
        {"on top of the Watch window: right of it",
         {93, 160, 773, 613},
         {kWatch},
         {461, 160, 1141, 613}},
        {"right of the first is taken by the second: below the first",
         {93, 160, 493, 460},
         {kMain, {630, 100, 1280, 994}},
         {100, 514, 500, 814}},
        {"no room anywhere: the least overlap, inside the work area",
         {0, 0, 1000, 900},
         {{0, 0, 1280, 500}},
         {0, 94, 1000, 994}},
        {"no room right of it within the work area: below it",
         {900, 100, 1200, 400},
         {{900, 100, 1200, 400}},
         {900, 400, 1200, 700}},
    };
    for (const PlaceCase& c : cases)
        EXPECT_EQ(FreePlace(c.wanted, c.taken, kWork), c.expected) << c.what;
}

}  // namespace
}  // namespace varnolux
