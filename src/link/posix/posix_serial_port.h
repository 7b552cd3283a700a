#pragma once
// The serial port on Linux: a termios device in raw 8N1, with the link's read
// time-outs built with poll, and a pipe that wakes a blocked wait for stop.
#include <string>

#include "seams/serial_port.h"

namespace varnolux {

class PosixSerialPort : public SerialPort {
  public:
    // `devicePath` names the device to open whatever the port number; empty
    // maps port n onto /dev/ttyS(n-1).
    explicit PosixSerialPort(std::string devicePath = std::string());
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool Open(int portNumber) override;
    bool ReadLineSettings() override;
    void Configure(int baud, const SerialTimeouts& timeouts) override;
    void PurgeReceive() override;
    void ClearErrors() override;
    bool ArmCharEvent() override;
    bool WaitCharEvent() override;
    bool Read(uint8_t* buffer, int want, int& count) override;
    bool WriteByte(uint8_t byte) override;
    uint32_t LastError() const override { return lastError_; }
    std::vector<std::string> ListPorts() const override;
    // The configured device path, or /dev/ttyS(n-1) for port n.
    std::string PortName(int portNumber) const override;
    bool IsSerialDevice() const override;
    void Wake() override;

    const std::string& DevicePath() const { return path_; }

  private:
    bool Fail();
    std::string configuredPath_;
    std::string path_;
    int fd_ = -1;
    int wakePipe_[2] = {-1, -1};
    SerialTimeouts timeouts_;
    uint32_t lastError_ = 0;
};

}  // namespace varnolux
