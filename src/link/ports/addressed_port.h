#pragma once
// The link's port when where it is comes from the settings read later than
// the port is made: it passes every call on to the port chosen for the
// address (a serial device, or a serial port over the network).
#include <memory>

#include "link/ports/address.h"
#include "seams/serial_port.h"

namespace varnolux {

// The system's port for `address`: the serial port for a number or a device
// path, a NetworkPort on the system's socket for rfc2217:// and tcp://.
std::unique_ptr<SerialPort> MakeSystemPort(const PortAddress& address);

class AddressedPort : public SerialPort {
  public:
    // Starts as the system's port for the settings' port number.
    AddressedPort() : port_(MakeSystemPort(PortAddress())) {}
    // Before the port is opened and the link thread runs.
    void Use(std::unique_ptr<SerialPort> port) { port_ = std::move(port); }

    bool Open(int portNumber) override { return port_->Open(portNumber); }
    bool ReadLineSettings() override { return port_->ReadLineSettings(); }
    void Configure(int baud, const SerialTimeouts& timeouts) override {
        port_->Configure(baud, timeouts);
    }
    void PurgeReceive() override { port_->PurgeReceive(); }
    void ClearErrors() override { port_->ClearErrors(); }
    bool ArmCharEvent() override { return port_->ArmCharEvent(); }
    bool WaitCharEvent() override { return port_->WaitCharEvent(); }
    bool Read(uint8_t* buffer, int want, int& count) override {
        return port_->Read(buffer, want, count);
    }
    bool WriteByte(uint8_t byte) override { return port_->WriteByte(byte); }
    uint32_t LastError() const override { return port_->LastError(); }
    std::vector<std::string> ListPorts() const override { return port_->ListPorts(); }
    std::string PortName(int portNumber) const override { return port_->PortName(portNumber); }
    bool IsSerialDevice() const override { return port_->IsSerialDevice(); }
    bool SetsRate() const override { return port_->SetsRate(); }
    bool RateRefused() const override { return port_->RateRefused(); }
    std::string FailureText() const override { return port_->FailureText(); }
    void Wake() override { port_->Wake(); }

  private:
    std::unique_ptr<SerialPort> port_;
};

}  // namespace varnolux
