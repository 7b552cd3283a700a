#include "tools/calculator_layout.h"

namespace varnolux {

namespace {
const char kCalcKey[] = "Software\\Microsoft\\Calc";
}

bool SetCalculatorLayout(Launcher& launcher, uint32_t value) {
    RegistryKey key = launcher.OpenUserKey(kCalcKey);
    if (key == 0) {
        launcher.CreateUserKey(kCalcKey);
        key = launcher.OpenUserKey(kCalcKey);
        if (key == 0) return false;
    }
    const bool written = launcher.SetDwordValue(key, "layout", value);
    launcher.CloseKey(key);
    return written;
}

}  // namespace varnolux
