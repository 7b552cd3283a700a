#include "tools/win32/win32_user_registry.h"

#include <windows.h>

namespace varnolux {

namespace {

HKEY ToHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

RegistryKey Win32UserRegistry::OpenUserKey(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    return reinterpret_cast<RegistryKey>(key);
}

bool Win32UserRegistry::CreateUserKey(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool Win32UserRegistry::SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) {
    const DWORD data = value;
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
}

void Win32UserRegistry::CloseKey(RegistryKey key) {
    RegCloseKey(ToHkey(key));
}

}  // namespace varnolux
