#include "app/main_controls.h"

#include <gtest/gtest.h>

#include <set>

namespace varnolux {
namespace {

// Client area of the 530 x 414 window as created (frame, caption and menu off).
const ClientSize kCreated{518, 356};

const MainControl& Find(int id) {
    for (const MainControl& c : MainControls())
        if (c.id == id) return c;
    throw std::runtime_error("no control " + std::to_string(id));
}

TEST(MainControls, EveryControlOfTheWindowOnce) {
    std::set<int> ids;
    for (const MainControl& c : MainControls()) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    EXPECT_EQ(ids, (std::set<int>{101, 104, 105, 106, 107, 109, 110, 113, 114, 115, 118, 119, 120,
                                  121, 122}));
}

// The visible height of a control: a combo box shows one line when closed.
int32_t ShownHeight(const MainControl& c, const ControlBox& box) {
    return c.kind == ControlKind::Chooser || c.kind == ControlKind::SortedChooser ? 24 : box.height;
}

TEST(MainControls, ListFillsAndTheRowsBelowStayAtTheBottomOnResize) {
    for (ClientSize client : {ClientSize{900, 700}, ClientSize{518, 356}, ClientSize{430, 300}}) {
        const ControlBox list =
            AnchorControl(Find(101).created, Find(101).anchors, kCreated, client);
        EXPECT_EQ(list.x, 0);
        EXPECT_EQ(list.y, 0);
        EXPECT_EQ(list.width, client.width) << "list fills the width";
        for (const MainControl& c : MainControls()) {
            if (c.id == 101) continue;
            const ControlBox box = AnchorControl(c.created, c.anchors, kCreated, client);
            EXPECT_GE(box.y, list.y + list.height) << c.id << " overlaps the list";
            EXPECT_EQ(client.height - (box.y + ShownHeight(c, box)),
                      kCreated.height - (c.created.y + ShownHeight(c, c.created)))
                << c.id << " keeps its distance to the bottom";
            EXPECT_EQ(box.width, c.created.width) << c.id;
        }
    }
}

}  // namespace
}  // namespace varnolux
