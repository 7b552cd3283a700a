#include "seams/status_parts.h"

#include <algorithm>

namespace varnolux {

StatusPartEdges StatusPartEdgesFor(int firstText, int lastText, int barWidth, int firstNow) {
    const int lastKeeps = std::max(lastText > 0 ? lastText + kStatusTextRoom : 0, kStatusGripRoom);
    const int wanted =
        (firstText > 0 ? firstText + kStatusTextRoom : firstNow) - kStatusPartEdges[0];
    const int room = barWidth - lastKeeps - kStatusPartEdges[kStatusParts - 2];
    const int grow = std::max(0, std::min(wanted, room));
    StatusPartEdges edges = kStatusPartEdges;
    for (int& edge : edges)
        if (edge >= 0) edge += grow;
    return edges;
}

}  // namespace varnolux
