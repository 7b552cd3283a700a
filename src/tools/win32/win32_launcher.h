#pragma once
// The Win32 launcher: CreateProcessW, FindWindowW with placement restore,
// WM_GETTEXT, ShellExecuteW (names and paths widened from the program's
// texts) and the HKEY_CURRENT_USER registry.
#include <windows.h>

#include "seams/launcher.h"

namespace varnolux {

class Win32Launcher : public Launcher {
  public:
    explicit Win32Launcher(HWND mainWindow = nullptr) : mainWindow_(mainWindow) {}
    // The window that documents are opened for and that is repainted before a pause.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    bool StartProgram(const std::string& program, const std::string& commandLine) override;
    bool RestoreWindow(const std::string& windowClass, const std::string& title) override;
    std::optional<std::string> WindowText(const std::string& windowClass) override;
    bool ShellOpen(const std::string& path) override;
    RegistryKey OpenUserKey(const std::string& subKey) override;
    bool CreateUserKey(const std::string& subKey) override;
    bool SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) override;
    void CloseKey(RegistryKey key) override;
    void RepaintMainWindow() override;
    void Pause(int milliseconds) override;

  private:
    HWND mainWindow_;
};

}  // namespace varnolux
