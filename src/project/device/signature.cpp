#include "project/device/signature.h"

#include <algorithm>

#include "seams/ini_file.h"

namespace varnolux {

namespace {

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

uint16_t SignatureFromSettings(const HostOs& os, const std::string& settingsPath,
                               const std::string& deviceName) {
    const std::string digits = IniRead(os, settingsPath, "Device Signature", deviceName, "");
    return static_cast<uint16_t>(IniNumber("&H" + digits) & 0xFFFF);
}

uint16_t SignatureFromPicKitDat(const std::string& data, const std::string& deviceName) {
    if (deviceName.empty()) return 0;
    const size_t size = std::min(data.size(), kPicKitDatLimit);
    const std::string needle = "PIC" + deviceName;
    size_t at = data.find(needle);
    while (at != std::string::npos && at + needle.size() <= size) {
        const size_t end = at + needle.size();
        if (end >= size || !IsAlnum(data[end])) {
            if (end + 3 >= size) return 0;
            const auto low = static_cast<uint8_t>(data[end + 2]);
            const auto high = static_cast<uint8_t>(data[end + 3]);
            return static_cast<uint16_t>(low + 256 * high);
        }
        at = data.find(needle, at + 1);
    }
    return 0;
}

uint16_t ExpectedSignature(const HostOs& os, const std::string& settingsPath,
                           const std::string& picKitDatPath, const std::string& deviceName) {
    const uint16_t sig = SignatureFromSettings(os, settingsPath, deviceName);
    if (sig != 0 || picKitDatPath.empty()) return sig;
    const auto data = os.ReadFile(picKitDatPath);
    if (!data) return 0;
    return SignatureFromPicKitDat(*data, deviceName);
}

}  // namespace varnolux
