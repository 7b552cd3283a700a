#pragma once
// A serial port that notices a line that is gone: a pulled adapter or a
// closed pseudo-terminal wakes every wait with nothing to read, again and
// again, where a live line brings a byte.
#include <atomic>

#include "seams/forwarding_port.h"

namespace varnolux::dap {

// Wakes without a byte in a row that mean the line is gone (the link thread
// slows down at the same count).
constexpr int kEmptyReadsOfALostLine = 20;

class LineWatchPort : public ForwardingPort {
  public:
    explicit LineWatchPort(SerialPort& inner) : ForwardingPort(inner) {}
    bool Lost() const { return emptyReads_.load() >= kEmptyReadsOfALostLine; }

    bool Read(uint8_t* buffer, int want, int& count) override {
        const bool ok = inner_.Read(buffer, want, count);
        if (count > 0)
            emptyReads_ = 0;
        else
            ++emptyReads_;
        return ok;
    }

  private:
    std::atomic<int> emptyReads_{0};
};

}  // namespace varnolux::dap
