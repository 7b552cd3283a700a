#pragma once
// HKEY_CURRENT_USER through the registry API; key names are ANSI.
#include "seams/launcher.h"

namespace varnolux {

class Win32UserRegistry : public UserRegistry {
  public:
    RegistryKey OpenUserKey(const std::string& subKey) override;
    bool CreateUserKey(const std::string& subKey) override;
    bool SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) override;
    void CloseKey(RegistryKey key) override;
};

}  // namespace varnolux
