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

// Where a control placed at `created` in a client area of `createdClient` goes
// in a client area of `client`. Sizes never become negative.
ControlBox AnchorControl(const ControlBox& created, uint32_t anchors, ClientSize createdClient,
                         ClientSize client);

}  // namespace varnolux
