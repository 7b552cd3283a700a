#pragma once
// The device identifier expected for the device named in the listing: from the
// "Device Signature" section of the settings file, else from the programmer's
// device data file ("PicKitDat").
#include <cstdint>
#include <string>

#include "seams/host_os.h"

namespace varnolux {

constexpr size_t kPicKitDatLimit = 250000;  // bytes of the device data file searched

// The identifier stored for the device in "Device Signature" (hexadecimal
// digits without prefix); 0 when missing or unreadable.
uint16_t SignatureFromSettings(const HostOs& os, const std::string& settingsPath,
                               const std::string& deviceName);

// Searches the data for "PIC" + device name, not followed by a further letter
// or digit (so "PIC16F84" does not match inside "PIC16F84A"); the identifier is
// the third byte after the name + 256 * the fourth. 0 when not found or when
// those bytes lie beyond the searched part.
uint16_t SignatureFromPicKitDat(const std::string& data, const std::string& deviceName);

// The settings' identifier, or when that is 0 the device data file's; 0 when
// neither knows the device (no setting, no file, unknown name).
uint16_t ExpectedSignature(const HostOs& os, const std::string& settingsPath,
                           const std::string& picKitDatPath, const std::string& deviceName);

}  // namespace varnolux
