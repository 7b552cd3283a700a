#include "cli/console/port.h"

#include "link/ports/addressed_port.h"

namespace varnolux::cli {

std::unique_ptr<SerialPort> MakeConsolePort(const PortAddress& address) {
    return MakeSystemPort(address);
}

const char* PortOptionHelp() {
    return "  --port PORT        serial device (/dev/ttyUSB0), port number (/dev/ttyS<N-1>),\n"
           "                     or a serial port over the network: rfc2217://HOST:PORT\n"
           "                     (the rate is set there) or tcp://HOST:PORT (the server's\n"
           "                     rate); default: Port of the settings\n";
}

PortAddressRead ReadConsolePort(const std::string& text, const HostOs& os) {
    if (text.empty() || !os.FileExists(text)) return ReadPortAddress(text);
    PortAddressRead read;
    read.ok = true;
    read.address.kind = PortKind::DevicePath;
    read.address.path = text;
    return read;
}

}  // namespace varnolux::cli
