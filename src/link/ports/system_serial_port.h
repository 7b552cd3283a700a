#pragma once
// The serial port of the machine the program runs on: a COM port through the
// Win32 API on Windows (link/ports/win32/), a termios device in raw 8N1 on Linux
// (link/ports/posix/). What each system keeps of the open line is its own (Line).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "seams/serial_port.h"

namespace varnolux {

class SystemSerialPort : public SerialPort {
  public:
    // `devicePath` names the device to open whatever the port number; empty
    // maps port n onto COMn on Windows, /dev/ttyS(n-1) on Linux.
    explicit SystemSerialPort(std::string devicePath = std::string());
    ~SystemSerialPort() override;
    SystemSerialPort(const SystemSerialPort&) = delete;
    SystemSerialPort& operator=(const SystemSerialPort&) = delete;

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
    // The configured device path, or the port number's device.
    std::string PortName(int portNumber) const override;
    bool IsSerialDevice() const override;
    void Wake() override;

  private:
    struct Line;
    // Keeps the system's error code of a failed call; returns false.
    bool Fail(uint32_t error);

    std::string devicePath_;
    std::unique_ptr<Line> line_;
    uint32_t lastError_ = 0;
};

}  // namespace varnolux
