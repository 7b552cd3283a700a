#pragma once
// Keeping a form's controls anchored to its edges when the form is resized.
// A control anchored to both opposite edges stretches with the form; anchored
// to one edge it keeps its distance to that edge; anchored to neither it keeps
// its share of the free space (moves by half the change).
#include <cstdint>

namespace varnolux {

enum Anchor : uint32_t {
    kAnchorLeft = 1,
    kAnchorTop = 2,
    kAnchorRight = 4,
    kAnchorBottom = 8,
    kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
};

struct ControlBox {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ControlBox& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct ClientSize {
    int32_t width = 0, height = 0;
};

// A bar docked below a control: the control gives up the bar's height (all
// of it at most) and the bar takes the control's width below what is left.
struct DockedBelow {
    ControlBox above, bar;
};
DockedBelow DockBelow(const ControlBox& above, int32_t barHeight);
// The control takes the bar's room back.
ControlBox Undocked(const ControlBox& above, const ControlBox& bar);

// Where a control placed at `created` in a client area of `createdClient` goes
// in a client area of `client`. Sizes never become negative.
ControlBox AnchorControl(const ControlBox& created, uint32_t anchors, ClientSize createdClient,
                         ClientSize client);

}  // namespace varnolux
