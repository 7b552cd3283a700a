#include "link/ports/addressed_port.h"

#include "link/ports/network_port.h"
#include "link/ports/system_serial_port.h"
#include "link/ports/system_socket.h"

namespace varnolux {

std::unique_ptr<SerialPort> MakeSystemPort(const PortAddress& address) {
    if (address.IsNetwork())
        return std::make_unique<NetworkPort>(std::make_unique<SystemSocket>(), address);
    return std::make_unique<SystemSerialPort>(address.kind == PortKind::DevicePath ? address.path
                                                                                   : std::string());
}

}  // namespace varnolux
