#include "views/replay/replay_bar_model.h"

#include <algorithm>

namespace varnolux {

int DumpOfButton(ReplayButton button, int current, int count) {
    if (count < 1) return 0;
    int dump = 0;
    switch (button) {
        case ReplayButton::First:
            dump = 1;
            break;
        case ReplayButton::Previous:
            dump = current - 1;
            break;
        case ReplayButton::Next:
            dump = current + 1;
            break;
        case ReplayButton::Last:
            dump = count;
            break;
    }
    return dump >= 1 && dump <= count && dump != current ? dump : 0;
}

int DumpOfSliderPosition(int position, int count) {
    return count < 1 ? 0 : std::clamp(position, 1, count);
}

std::string ReplayLabel(int current, int count) {
    return "Dump " + std::to_string(current) + " of " + std::to_string(count);
}

}  // namespace varnolux
