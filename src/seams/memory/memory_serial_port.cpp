#include "seams/memory/memory_serial_port.h"

namespace varnolux {

bool MemorySerialPort::Take(int& failures) {
    if (failures <= 0) return true;
    --failures;
    lastError_ = errorCode;
    return false;
}

bool MemorySerialPort::Open(int portNumber) {
    openedPort = portNumber;
    return Take(failOpen);
}

void MemorySerialPort::Configure(int rate, const SerialTimeouts& t) {
    baud = rate;
    timeouts = t;
    configuredRates.push_back(rate);
}

bool MemorySerialPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    if (!Take(failRead)) return false;
    if (input.empty() && onIdle) onIdle(baud);
    while (count < want && !input.empty()) {
        buffer[count++] = input.front();
        input.pop_front();
    }
    return true;
}

bool MemorySerialPort::WriteByte(uint8_t byte) {
    if (!Take(failWrite)) return false;
    written.push_back(byte);
    if (onWrite) onWrite(byte);
    return true;
}

}  // namespace varnolux
