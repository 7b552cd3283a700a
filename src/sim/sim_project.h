#pragma once
// Loading the firmware's project for the simulator: the program's own load
// sequence, headless, in the project folder.
#include <string>

#include "sim/core/target_program.h"
#include "state/session.h"

namespace varnolux::sim {

// Loads BASE (or the only project) in the current folder with its
// Varnolux.ini. Messages go to stderr. False when the load would have ended
// the program.
bool LoadSimProject(Session& session, const std::string& base);

// The device ID word the chip reports: the expected signature of the device
// with revision 3 in its low bits (core 16), or as it is (core 14).
uint16_t SimDeviceId(const Session& session);

// The build stamp of the project's object file: its last-write time in local time.
SimHexTag SimBuildStamp(const Session& session);

}  // namespace varnolux::sim
