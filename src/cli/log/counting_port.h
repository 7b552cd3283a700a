#pragma once
// A serial port that counts the bytes read through it, for a look from another
// thread at whether the line carries anything.
#include <atomic>
#include <cstdint>

#include "seams/forwarding_port.h"

namespace varnolux::cli {

class CountingPort : public ForwardingPort {
  public:
    explicit CountingPort(SerialPort& inner) : ForwardingPort(inner) {}
    uint64_t BytesRead() const { return bytesRead_.load(); }

    bool Read(uint8_t* buffer, int want, int& count) override {
        const bool ok = inner_.Read(buffer, want, count);
        if (count > 0) bytesRead_ += static_cast<uint64_t>(count);
        return ok;
    }

  private:
    std::atomic<uint64_t> bytesRead_{0};
};

}  // namespace varnolux::cli
