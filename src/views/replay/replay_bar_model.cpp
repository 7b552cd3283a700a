#include "views/replay/replay_bar_model.h"

#include <algorithm>
#include <climits>

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

std::string ReplayPositionStatus(int current, int count) {
    return " Replay " + std::to_string(current) + "/" + std::to_string(count);
}

std::string ReplayFileStatus(const std::string& path) {
    return " " + path.substr(path.find_last_of("\\/") + 1);
}

const std::vector<std::string>& ReplaySpeedNames() {
    static const std::vector<std::string> names = {"1x", "2x", "5x", "10x", "Fastest"};
    return names;
}

int PlayDelayMs(int64_t fromUs, int64_t toUs, ReplaySpeed speed) {
    int64_t divisor = 1;
    switch (speed) {
        case ReplaySpeed::Times1:
            break;
        case ReplaySpeed::Times2:
            divisor = 2;
            break;
        case ReplaySpeed::Times5:
            divisor = 5;
            break;
        case ReplaySpeed::Times10:
            divisor = 10;
            break;
        case ReplaySpeed::Fastest:
            return 0;
    }
    // Times that run backwards (a recording put together from two) do not wait.
    const int64_t ms = std::max<int64_t>(toUs - fromUs, 0) / 1000 / divisor;
    return static_cast<int>(std::min<int64_t>(ms, INT_MAX));
}

}  // namespace varnolux
