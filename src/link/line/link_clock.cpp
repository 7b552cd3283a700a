#include "link/line/link_clock.h"

#include <chrono>
#include <thread>

namespace varnolux {

LinkClock SystemLinkClock() {
    LinkClock clock;
    clock.nowNs = [] {
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
    };
    clock.sleepMs = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    return clock;
}

}  // namespace varnolux
