#include "link/line/serial_link.h"

namespace varnolux {

bool ReadByte(SerialPort& port, uint8_t& byte, int& count) {
    return port.Read(&byte, 1, count);
}

bool ReadBlock31(SerialPort& port, uint8_t* block, int& count) {
    return port.Read(block, 31, count);
}

bool WriteByte(SerialPort& port, uint8_t byte) {
    return port.WriteByte(byte);
}

}  // namespace varnolux
