#include "cli/console_port.h"

#include "link/system_serial_port.h"

namespace varnolux::cli {

std::unique_ptr<SerialPort> MakeConsolePort(const std::string& device) {
    if (!device.empty()) return nullptr;
    return std::make_unique<SystemSerialPort>();
}

const char* PortOptionHelp() {
    return "  --port N           COM port number: 3 for COM3 (default: Port of the\n"
           "                     settings)\n";
}

}  // namespace varnolux::cli
