#include "tools/calculator_layout.h"

namespace varnolux {

namespace {
const char kCalcKey[] = "Software\\Microsoft\\Calc";
}

bool SetCalculatorLayout(Launcher& launcher, uint32_t value) {
    UserRegistry& registry = launcher.Registry();
    RegistryKey key = registry.OpenUserKey(kCalcKey);
    if (key == 0) {
        registry.CreateUserKey(kCalcKey);
        key = registry.OpenUserKey(kCalcKey);
        if (key == 0) return false;
    }
    const bool written = registry.SetDwordValue(key, "layout", value);
    registry.CloseKey(key);
    return written;
}

}  // namespace varnolux
