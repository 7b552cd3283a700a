#pragma once
// The calculator's "layout" DWORD under HKEY_CURRENT_USER\Software\Microsoft\Calc.
#include <cstdint>

#include "seams/launcher.h"

namespace varnolux {

// Opens the key (creating it when it does not exist) and writes the value;
// false when the key cannot be opened even after creating it.
bool SetCalculatorLayout(Launcher& launcher, uint32_t value);

}  // namespace varnolux
