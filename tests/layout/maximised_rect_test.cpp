// Where a maximised window goes: its frame just outside the work area, so its
// title bar starts at the work area's top line wherever the taskbar is.
#include <gtest/gtest.h>

#include "layout/window_placement.h"

namespace varnolux {
namespace {

TEST(MaximisedRect, TheTitleBarStartsAtTheWorkAreasTop) {
    const struct {
        const char* taskbar;
        Rect work;
        int32_t monitorLeft, monitorTop;
        Rect maximised;
    } cases[] = {
        {"bottom", {0, 0, 1280, 984}, 0, 0, {-4, -4, 1284, 988}},
        {"top", {0, 40, 1280, 1024}, 0, 0, {-4, 36, 1284, 1028}},
        {"left", {60, 0, 1280, 1024}, 0, 0, {56, -4, 1284, 1028}},
        {"none, monitor at -1280", {-1280, 0, 0, 1024}, -1280, 0, {-4, -4, 1284, 1028}},
    };
    for (const auto& c : cases) {
        const Rect r = MaximisedRect(c.work, c.monitorLeft, c.monitorTop, 4, 4);
        EXPECT_EQ(r, c.maximised) << c.taskbar;
        // The frame is outside the work area, the title bar's top on its top line.
        EXPECT_EQ(r.top + 4, c.work.top - c.monitorTop) << c.taskbar;
    }
}

}  // namespace
}  // namespace varnolux
