#pragma once
// The serial port on Windows: CreateFileA on "\\.\COMn", synchronous ReadFile
// and WriteFile, the ports from the registry. The wait for a character reads
// what has come (see WaitCharEvent) and keeps it for the next reads.
#include <windows.h>

#include <atomic>

#include "seams/serial_port.h"

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
    // Ends the waiting thread's wait: cancels its synchronous read, and the wait
    // sees the flag within one slice where the cancel does not reach the read.
    void Wake() override;

  private:
    bool Check(BOOL ok);
    void RegisterWaiter();
    // Sets the wait's or the line's time-outs unless they are set already.
    bool UseTimeouts(bool forWait);
    // Reads up to `room` characters that have come already; the count read.
    int ReadWaiting(uint8_t* buffer, int room);
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::atomic<HANDLE> waiter_{nullptr};  // the thread that waits for characters
    std::atomic<bool> woken_{false};
    DCB dcb_{};
    COMMTIMEOUTS lineTimeouts_{};  // as configured, for every read but the wait
    bool waitTimeoutsSet_ = false;
    bool charEventArmed_ = false;
    // What the wait read and no Read has taken yet: a packet usually arrives
    // whole, and the reads of its rest then cost no system call.
    uint8_t ahead_[64] = {};
    int aheadStart_ = 0;
    int aheadCount_ = 0;
    uint32_t lastError_ = 0;
};

}  // namespace varnolux
