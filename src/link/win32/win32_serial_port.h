#pragma once
// The serial port on Windows: CreateFileA on "\\.\COMn", synchronous ReadFile
// and WriteFile, the received-character event, the ports from the registry.
#include <windows.h>

#include <atomic>

#include "ui/serial_port.h"

namespace varnolux {

class Win32SerialPort : public SerialPort {
  public:
    Win32SerialPort() = default;
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

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
    // Cancels the waiting thread's synchronous WaitCommEvent. A wake that comes
    // just before the wait begins is seen by the wait itself.
    void Wake() override;

  private:
    bool Check(BOOL ok);
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::atomic<HANDLE> waiter_{nullptr};  // the thread that waits for characters
    std::atomic<bool> woken_{false};
    DCB dcb_{};
    uint32_t lastError_ = 0;
};

}  // namespace varnolux
