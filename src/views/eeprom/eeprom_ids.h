#pragma once
// The EEPROM window's class, control and system-menu numbers.

namespace varnolux::ids {

constexpr const char* kEepromFormClass = "EEPROM_Form_Class";
constexpr int kEepromList = 5501;
constexpr int kSysEepromTopMost = 144;

}  // namespace varnolux::ids
