#include "link/addressed_port.h"

#include "link/network_port.h"
#include "link/system_serial_port.h"
#include "link/system_socket.h"

namespace varnolux {

std::unique_ptr<SerialPort> MakeSystemPort(const PortAddress& address) {
    if (address.IsNetwork())
        return std::make_unique<NetworkPort>(std::make_unique<SystemSocket>(), address);
    return std::make_unique<SystemSerialPort>(address.kind == PortKind::DevicePath ? address.path
                                                                                   : std::string());
}

}  // namespace varnolux
