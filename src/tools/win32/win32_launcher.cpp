#include "tools/win32/win32_launcher.h"

#include <shellapi.h>

#include <vector>

#include "seams/win32/wide_text.h"

namespace varnolux {

namespace {
// Names and paths are UTF-8 (or code-page text) inside the program, UTF-16 here.
const wchar_t* OrNull(const std::wstring& s) {
    return s.empty() ? nullptr : s.c_str();
}

// A window that does not answer within this time is treated as having no title.
constexpr UINT kTitleTimeoutMs = 2000;
}  // namespace

bool Win32Launcher::StartProgram(const std::string& program, const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = WideFromText(commandLine);
    line.push_back(L'\0');
    if (!CreateProcessW(WideFromText(program).c_str(), &line[0], nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId != 0;
}

bool Win32Launcher::RestoreWindow(const std::string& windowClass, const std::string& title) {
    HWND window = FindWindowW(OrNull(WideFromText(windowClass)), OrNull(WideFromText(title)));
    if (window == nullptr) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        placement.showCmd = SW_SHOWNORMAL;
        SetWindowPlacement(window, &placement);
    }
    BringWindowToTop(window);
    return true;
}

std::optional<std::string> Win32Launcher::WindowText(const std::string& windowClass) {
    HWND window = FindWindowW(OrNull(WideFromText(windowClass)), nullptr);
    if (window == nullptr) return std::nullopt;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTitleTimeoutMs,
                             &length))
        return std::string();
    std::vector<wchar_t> text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kTitleTimeoutMs, &copied))
        return std::string();
    return TextFromWide(text.data(), copied < text.size() ? copied : text.size() - 1);
}

bool Win32Launcher::ShellOpen(const std::string& path) {
    HINSTANCE result = ShellExecuteW(mainWindow_, L"open", WideFromText(path).c_str(), nullptr,
                                     nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Launcher::RepaintMainWindow() {
    if (mainWindow_ == nullptr) return;
    InvalidateRect(mainWindow_, nullptr, TRUE);
    UpdateWindow(mainWindow_);
}

void Win32Launcher::Pause(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace varnolux
