#pragma once
// A target heard at the wrong rate sends bytes that never make a packet: at a
// fixed rate the console says so once, rather than waiting without a word.
#include <cstdint>

namespace varnolux::cli {

class RateWatch {
  public:
    explicit RateWatch(int64_t quietMs = 3000) : quietMs_(quietMs) {}
    // Given the time, the bytes read from the line and the packets received so
    // far: true once, when bytes have been arriving for `quietMs` and not one
    // packet came of them. Never after the first packet.
    bool Due(int64_t nowMs, uint64_t bytesRead, int64_t packets);

  private:
    int64_t quietMs_;
    int64_t firstBytesAt_ = -1;
    bool done_ = false;
};

}  // namespace varnolux::cli
