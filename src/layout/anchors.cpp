#include "layout/anchors.h"

#include <algorithm>

namespace varnolux {

namespace {

// One axis: the start position and length for a change of `delta` pixels.
void AnchorAxis(int32_t& start, int32_t& length, bool toStart, bool toEnd, int32_t delta) {
    if (toStart && toEnd)
        length = std::max<int32_t>(0, length + delta);
    else if (toEnd)
        start += delta;
    else if (!toStart)
        start += delta / 2;
}

}  // namespace

DockedBelow DockBelow(const ControlBox& above, int32_t barHeight) {
    DockedBelow d{above, above};
    const int32_t height = std::clamp<int32_t>(barHeight, 0, above.height);
    d.above.height = above.height - height;
    d.bar.y = above.y + d.above.height;
    d.bar.height = height;
    return d;
}

ControlBox Undocked(const ControlBox& above, const ControlBox& bar) {
    ControlBox box = above;
    box.height = std::max<int32_t>(bar.y + bar.height - above.y, above.height);
    return box;
}

ControlBox AnchorControl(const ControlBox& created, uint32_t anchors, ClientSize createdClient,
                         ClientSize client) {
    ControlBox box = created;
    AnchorAxis(box.x, box.width, anchors & kAnchorLeft, anchors & kAnchorRight,
               client.width - createdClient.width);
    AnchorAxis(box.y, box.height, anchors & kAnchorTop, anchors & kAnchorBottom,
               client.height - createdClient.height);
    return box;
}

}  // namespace varnolux
