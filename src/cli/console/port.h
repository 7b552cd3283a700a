#pragma once
// The serial port the console tools talk through: the platform's own, or a
// serial port over the network.
#include <memory>
#include <string>

#include "link/ports/address.h"
#include "seams/host_os.h"
#include "seams/serial_port.h"

namespace varnolux::cli {

// The port at `address`. Null when the platform cannot open a port by a
// device path (Windows: ports are numbers).
std::unique_ptr<SerialPort> MakeConsolePort(const PortAddress& address);

// The --port option's lines of a command's help, in the platform's names of ports.
const char* PortOptionHelp();

// The address of --port's `text`: a file of that name (a terminal linked into
// the folder, "COM1") is a device path where the platform opens ports by path.
PortAddressRead ReadConsolePort(const std::string& text, const HostOs& os);

}  // namespace varnolux::cli
