#pragma once
// Time as the link sees it: a monotonic counter and a pause. Tests replace both.
#include <cstdint>
#include <functional>

namespace varnolux {

struct LinkClock {
    std::function<int64_t()> nowNs;       // monotonic nanoseconds
    std::function<void(int ms)> sleepMs;  // pause the calling thread
};

// The steady clock and std::this_thread::sleep_for.
LinkClock SystemLinkClock();

}  // namespace varnolux
