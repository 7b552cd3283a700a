#pragma once
// The Win32 launcher: CreateProcessW, FindWindowW with placement restore,
// WM_GETTEXT, ShellExecuteW (names and paths widened from the program's
// texts), and the HKEY_CURRENT_USER registry (Win32UserRegistry).
#include <windows.h>

#include "seams/launcher.h"
#include "tools/win32/win32_user_registry.h"

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
    UserRegistry& Registry() override { return registry_; }
    void RepaintMainWindow() override;
    void Pause(int milliseconds) override;

  private:
    HWND mainWindow_;
    Win32UserRegistry registry_;
};

}  // namespace varnolux
