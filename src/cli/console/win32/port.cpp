#include "cli/console/port.h"

#include "link/ports/addressed_port.h"

namespace varnolux::cli {

std::unique_ptr<SerialPort> MakeConsolePort(const PortAddress& address) {
    if (address.kind == PortKind::DevicePath) return nullptr;
    return MakeSystemPort(address);
}

const char* PortOptionHelp() {
    return "  --port PORT        COM port number (3 for COM3), or a serial port over the\n"
           "                     network: rfc2217://HOST:PORT (the rate is set there) or\n"
           "                     tcp://HOST:PORT (the server's rate); default: Port of\n"
           "                     the settings\n";
}

PortAddressRead ReadConsolePort(const std::string& text, const HostOs&) {
    return ReadPortAddress(text);
}

}  // namespace varnolux::cli
