#pragma once
// A serial port that passes every call on to the port it wraps: the base of
// the ports that watch or record what crosses another one, which override
// only the calls they look at.
#include "seams/serial_port.h"

namespace varnolux {

class ForwardingPort : public SerialPort {
  public:
    explicit ForwardingPort(SerialPort& inner) : inner_(inner) {}

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
        return inner_.Read(buffer, want, count);
    }
    bool WriteByte(uint8_t byte) override { return inner_.WriteByte(byte); }
    uint32_t LastError() const override { return inner_.LastError(); }
    std::vector<std::string> ListPorts() const override { return inner_.ListPorts(); }
    std::string PortName(int portNumber) const override { return inner_.PortName(portNumber); }
    bool IsSerialDevice() const override { return inner_.IsSerialDevice(); }
    bool SetsRate() const override { return inner_.SetsRate(); }
    bool RateRefused() const override { return inner_.RateRefused(); }
    std::string FailureText() const override { return inner_.FailureText(); }
    void Wake() override { inner_.Wake(); }

  protected:
    SerialPort& inner_;
};

}  // namespace varnolux
