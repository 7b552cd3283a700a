#pragma once
// A serial port that counts the bytes read through it, for a look from another
// thread at whether the line carries anything.
#include <atomic>
#include <cstdint>

#include "seams/serial_port.h"

namespace varnolux::cli {

class CountingPort : public SerialPort {
  public:
    explicit CountingPort(SerialPort& inner) : inner_(inner) {}
    uint64_t BytesRead() const { return bytesRead_.load(); }

    bool Open(int portNumber) override { return inner_.Open(portNumber); }
    bool ReadLineSettings() override { return inner_.ReadLineSettings(); }
    void Configure(int baud, const SerialTimeouts& timeouts) override {
        inner_.Configure(baud, timeouts);
    }
    void PurgeReceive() override { inner_.PurgeReceive(); }
    void ClearErrors() override { inner_.ClearErrors(); }
    bool ArmCharEvent() override { return inner_.ArmCharEvent(); }
    bool WaitCharEvent() override { return inner_.WaitCharEvent(); }
    bool Read(uint8_t* buffer, int want, int& count) override {
        const bool ok = inner_.Read(buffer, want, count);
        if (count > 0) bytesRead_ += static_cast<uint64_t>(count);
        return ok;
    }
    bool WriteByte(uint8_t byte) override { return inner_.WriteByte(byte); }
    uint32_t LastError() const override { return inner_.LastError(); }
    std::vector<std::string> ListPorts() const override { return inner_.ListPorts(); }
    std::string PortName(int portNumber) const override { return inner_.PortName(portNumber); }
    bool IsSerialDevice() const override { return inner_.IsSerialDevice(); }
    void Wake() override { inner_.Wake(); }

  private:
    SerialPort& inner_;
    std::atomic<uint64_t> bytesRead_{0};
};

}  // namespace varnolux::cli
