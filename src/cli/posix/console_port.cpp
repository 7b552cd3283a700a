#include "cli/console_port.h"

#include "link/posix/posix_serial_port.h"

namespace varnolux::cli {

std::unique_ptr<SerialPort> MakeConsolePort(const std::string& device) {
    return std::make_unique<PosixSerialPort>(device);
}

}  // namespace varnolux::cli
