#include "cli/console_port.h"

#include "link/system_serial_port.h"

namespace varnolux::cli {

std::unique_ptr<SerialPort> MakeConsolePort(const std::string& device) {
    return std::make_unique<SystemSerialPort>(device);
}

const char* PortOptionHelp() {
    return "  --port DEV|N       serial device (/dev/ttyUSB0) or port number (default:\n"
           "                     Port of the settings, /dev/ttyS<N-1>)\n";
}

}  // namespace varnolux::cli
