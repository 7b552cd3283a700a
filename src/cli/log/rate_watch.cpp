#include "cli/log/rate_watch.h"

namespace varnolux::cli {

bool RateWatch::Due(int64_t nowMs, uint64_t bytesRead, int64_t packets) {
    if (done_ || packets > 0) {
        done_ = true;
        return false;
    }
    if (bytesRead == 0) return false;
    if (firstBytesAt_ < 0) firstBytesAt_ = nowMs;
    done_ = nowMs - firstBytesAt_ >= quietMs_;
    return done_;
}

}  // namespace varnolux::cli
