#include "project/device/core.h"

#include "seams/ini_file.h"

namespace varnolux {

DeviceCore ReadDeviceCore(const HostOs& os, const std::string& deviceFile) {
    const IniDocument ppi(os.ReadFile(deviceFile).value_or(std::string()));
    DeviceCore out;
    out.core = IniNumber(ppi.Read("INFOSTART", "CORE", "0"));
    out.maxCode = IniNumber(ppi.Read("INFOSTART", "MAXCODE", "0"));
    return out;
}

}  // namespace varnolux
