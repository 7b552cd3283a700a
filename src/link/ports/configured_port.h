#pragma once
// The port of the settings' [Comms] Port= as the desktop program opens it: a
// COM number, a device path, or a serial port over the network.
#include "link/ports/addressed_port.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Reads Port as text and puts the port it names into `port` (a COM number
// also into the settings). A text that names no port is told once, and the
// main window closed: false.
bool UseConfiguredPort(Session& session, Seams& seams, AddressedPort& port);

}  // namespace varnolux
