#pragma once
// The serial port the console tools talk through: the platform's own.
#include <memory>
#include <string>

#include "seams/serial_port.h"

namespace varnolux::cli {

// A port that opens `device` when it is given (a device path such as
// /dev/ttyUSB0), else the port number of the settings. Null when the platform
// cannot open a port by a path (Windows: ports are numbers).
std::unique_ptr<SerialPort> MakeConsolePort(const std::string& device);

// The --port option's lines of a command's help, in the platform's names of ports.
const char* PortOptionHelp();

}  // namespace varnolux::cli
