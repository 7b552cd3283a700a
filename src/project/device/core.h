#pragma once
// Core width and program-memory size from a device description file, as the
// listing stage needs them for the device named in the listing.
#include <cstdint>
#include <string>

#include "seams/host_os.h"

namespace varnolux {

struct DeviceCore {
    int32_t core = 0;     // "CORE" of section "INFOSTART"; 0 when absent
    int32_t maxCode = 0;  // "MAXCODE" of section "INFOSTART"; 0 when absent
};

// Reads the two keys of the file (settings "PPI" folder + "\P" + name + ".PPI").
// A missing file or key reads as 0.
DeviceCore ReadDeviceCore(const HostOs& os, const std::string& deviceFile);

}  // namespace varnolux
