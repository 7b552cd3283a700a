#pragma once
// Starting outside programs and documents, and the registry they read. The
// Win32 backend uses CreateProcessW, FindWindowW, ShellExecuteW and the
// registry; tests record calls.
#include <cstdint>
#include <optional>
#include <string>

namespace varnolux {

// An open registry key; 0 means none.
using RegistryKey = uintptr_t;

// Keys under HKEY_CURRENT_USER: open with all access (0 when it cannot be
// opened), create, write a DWORD value, close.
class UserRegistry {
  public:
    virtual ~UserRegistry() = default;
    virtual RegistryKey OpenUserKey(const std::string& subKey) = 0;
    virtual bool CreateUserKey(const std::string& subKey) = 0;
    virtual bool SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts the program file with the whole command line in a normal window;
    // false when it could not be started.
    virtual bool StartProgram(const std::string& program, const std::string& commandLine) = 0;
    // Finds a top-level window by class and title (empty = any); when found,
    // restores it from minimised or maximised, brings it to the top and returns true.
    virtual bool RestoreWindow(const std::string& windowClass, const std::string& title) = 0;
    // Title of the first top-level window of the class; nothing when there is none.
    virtual std::optional<std::string> WindowText(const std::string& windowClass) = 0;
    // Opens a document with its associated program.
    virtual bool ShellOpen(const std::string& path) = 0;
    // The registry the programs started read their settings from.
    virtual UserRegistry& Registry() = 0;
    // Redraws the main window at once, before the user interface thread waits.
    virtual void RepaintMainWindow() = 0;
    virtual void Pause(int milliseconds) = 0;
};

}  // namespace varnolux
