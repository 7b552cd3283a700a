#pragma once
// A serial port for tests: bytes to be read come from a queue (or from a peer
// that answers each written byte), written bytes are recorded. Failures can be
// injected per operation.
#include <deque>
#include <functional>

#include "seams/serial_port.h"

namespace varnolux {

class MemorySerialPort : public SerialPort {
  public:
    bool Open(int portNumber) override;
    bool ReadLineSettings() override { return Take(failLineSettings); }
    void Configure(int baud, const SerialTimeouts& timeouts) override;
    void PurgeReceive() override { ++purges; }
    void ClearErrors() override { ++errorClears; }
    bool ArmCharEvent() override { return Take(failArm); }
    bool WaitCharEvent() override { return Take(failWait); }
    bool Read(uint8_t* buffer, int want, int& count) override;
    bool WriteByte(uint8_t byte) override;
    uint32_t LastError() const override { return lastError_; }
    std::vector<std::string> ListPorts() const override { return ports; }
    std::string PortName(int portNumber) const override {
        return devicePath.empty() ? SerialPort::PortName(portNumber) : devicePath;
    }
    bool IsSerialDevice() const override { return !notSerial; }
    void Wake() override { ++wakes; }

    void Feed(const std::vector<uint8_t>& bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }
    void Feed(const std::string& text) { input.insert(input.end(), text.begin(), text.end()); }
    std::string WrittenText() const { return std::string(written.begin(), written.end()); }

    std::deque<uint8_t> input;
    std::vector<uint8_t> written;
    // Called after each written byte; a peer queues its answer into `input`.
    std::function<void(uint8_t)> onWrite;
    // Called before each read with an empty queue, at the rate in force; a peer
    // that talks unasked (the target's "c" and "d") queues bytes here.
    std::function<void(int baud)> onIdle;
    std::vector<std::string> ports;
    std::string devicePath;  // a device named by its path, as on Linux; empty: COMn
    bool notSerial = false;  // the device opened is no serial line

    int openedPort = -1;
    int baud = 0;
    std::vector<int> configuredRates;
    SerialTimeouts timeouts;
    int purges = 0, errorClears = 0, wakes = 0;
    // Number of upcoming calls of each kind that fail.
    int failOpen = 0, failLineSettings = 0, failArm = 0, failWait = 0, failRead = 0, failWrite = 0;
    uint32_t errorCode = 5;

  private:
    bool Take(int& failures);
    uint32_t lastError_ = 0;
};

}  // namespace varnolux
