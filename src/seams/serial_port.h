#pragma once
// The serial line to the target. One port per process, opened once and used by
// the link thread alone after start-up. Backends: Win32 (CreateFileA on a COM
// device), POSIX (a termios device) and memory (scripted bytes, for tests).
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

// Read and write time-outs in milliseconds, as the Win32 COMMTIMEOUTS fields.
// A read returns when the interval between two bytes exceeds readInterval or
// when readTotalMultiplier * bytes + readTotalConstant has passed.
struct SerialTimeouts {
    uint32_t readInterval = 100;
    uint32_t readTotalMultiplier = 20;
    uint32_t readTotalConstant = 20;
    uint32_t writeTotalMultiplier = 0;
    uint32_t writeTotalConstant = 0;
};

class SerialPort {
  public:
    virtual ~SerialPort() = default;
    // Opens the port for reading and writing, exclusive, no overlapped I/O.
    virtual bool Open(int portNumber) = 0;
    // Reads the current line settings; false when the device does not answer.
    virtual bool ReadLineSettings() = 0;
    // 8 data bits, no parity, one stop bit, binary, no flow control, at the rate.
    virtual void Configure(int baud, const SerialTimeouts& timeouts) = 0;
    // Discards the receive buffer.
    virtual void PurgeReceive() = 0;
    // Clears a pending line error and a break condition.
    virtual void ClearErrors() = 0;
    // Arms the received-character event.
    virtual bool ArmCharEvent() = 0;
    // Blocks until a character is available (or Wake was called).
    virtual bool WaitCharEvent() = 0;
    // Reads up to `want` bytes within the time-outs; `count` tells how many came.
    virtual bool Read(uint8_t* buffer, int want, int& count) = 0;
    virtual bool WriteByte(uint8_t byte) = 0;
    // System error code of the last failed call.
    virtual uint32_t LastError() const = 0;
    // Names of the serial devices the system knows ("COM3", "/dev/ttyUSB0").
    virtual std::vector<std::string> ListPorts() const = 0;
    // The name of the device the port number stands for, as messages and the
    // status bar show it: "COM3" on Windows, the device path on Linux.
    virtual std::string PortName(int portNumber) const {
        return "COM" + std::to_string(portNumber);
    }
    // False once the opened device turned out not to be a serial line (a plain
    // file named as the port); true while nothing says otherwise.
    virtual bool IsSerialDevice() const { return true; }
    // False when the line's rate is not ours to set (a raw TCP port runs at the
    // rate of its server): Configure then leaves it as it is.
    virtual bool SetsRate() const { return true; }
    // True when the port was to set the rate and its server refused (an RFC
    // 2217 server without COM-PORT-OPTION): SetsRate is then false as well.
    virtual bool RateRefused() const { return false; }
    // The last failure in words that name the port and say why ("Cannot connect
    // to rfc2217://pi:4000 ..."); empty when the system's error code says it all.
    virtual std::string FailureText() const { return std::string(); }
    // Lets a blocked WaitCharEvent return; callable from another thread. A
    // backend that cannot interrupt the wait leaves the thread to end with the process.
    virtual void Wake() = 0;
};

}  // namespace varnolux
