#pragma once
// A serial port that notices a line that is gone (a pulled adapter or a
// closed pseudo-terminal wakes every wait with nothing to read, again and
// again, where a live line brings a byte), and whether the last answer held
// the target.
#include <atomic>

#include "link/line/protocol.h"
#include "seams/forwarding_port.h"

namespace varnolux::dap {

// Wakes without a byte in a row that mean the line is gone (the link thread
// slows down at the same count).
constexpr int kEmptyReadsOfALostLine = 20;

class LineWatchPort : public ForwardingPort {
  public:
    explicit LineWatchPort(SerialPort& inner) : ForwardingPort(inner) {}
    bool Lost() const { return emptyReads_.load() >= kEmptyReadsOfALostLine; }
    // The last answer to a "d" held the target.
    bool Held() const { return held_.load(); }

    bool Read(uint8_t* buffer, int want, int& count) override {
        const bool ok = inner_.Read(buffer, want, count);
        if (count > 0)
            emptyReads_ = 0;
        else
            ++emptyReads_;
        return ok;
    }

    bool WriteByte(uint8_t byte) override {
        if (byte == kWaitAck || byte == kWaitNak) held_ = byte == kWaitNak;
        return inner_.WriteByte(byte);
    }

  private:
    std::atomic<int> emptyReads_{0};
    std::atomic<bool> held_{false};
};

}  // namespace varnolux::dap
