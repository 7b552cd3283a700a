// Where a window that opens beside its owner goes.
#include "views/frame/window_place.h"

#include <gtest/gtest.h>

namespace varnolux {
namespace {

const Rect kWork{0, 0, 1280, 984};
const Rect kOwner{100, 50, 740, 650};

TEST(PlaceBesideOwner, StoredPlaceFittedElseBesideTheOwnerOffTheOthers) {
    struct Case {
        const char* what;
        Rect stored;
        std::vector<Rect> taken;
        Rect expected;
    };
    const Case cases[] = {
        {"stored, within the work area", {10, 20, 410, 520}, {}, {10, 20, 410, 520}},
        {"stored, moved into the work area", {1100, 20, 1500, 520}, {}, {880, 20, 1280, 520}},
        {"never placed: right of the owner", {}, {}, {740, 50, 1180, 610}},
        {"never placed, that place taken: left of the other",
         {},
         {{740, 50, 1180, 610}},
         {300, 50, 740, 610}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceBesideOwner(c.stored, kOwner, 440, 560, kWork, c.taken), c.expected)
            << c.what;
}

}  // namespace
}  // namespace varnolux
