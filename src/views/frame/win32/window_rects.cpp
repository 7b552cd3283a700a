#include "views/frame/win32/window_rects.h"

namespace varnolux {

namespace {

struct ShownWindows {
    HWND except;
    std::vector<Rect> rects;
};

BOOL CALLBACK TakeShownWindow(HWND window, LPARAM data) {
    auto& shown = *reinterpret_cast<ShownWindows*>(data);
    if (window != shown.except && IsWindowVisible(window) && !IsIconic(window))
        shown.rects.push_back(WindowRectOf(window));
    return TRUE;
}

Rect FromRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

Rect DesktopWorkArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return FromRect(area);
}

Rect WindowRectOf(HWND window) {
    RECT r{};
    if (!window || !GetWindowRect(window, &r)) return Rect{};
    return FromRect(r);
}

std::vector<Rect> ProgramWindowRects(HWND except) {
    ShownWindows shown{except, {}};
    EnumThreadWindows(GetCurrentThreadId(), TakeShownWindow, reinterpret_cast<LPARAM>(&shown));
    return shown.rects;
}

bool NormalRect(HWND window, Rect* rect) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return false;
    *rect = FromRect(placement.rcNormalPosition);
    return true;
}

void PlaceAtNormalRect(HWND window, const Rect& normal, int showCommand) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    placement.showCmd = static_cast<UINT>(showCommand);
    placement.rcNormalPosition = RECT{normal.left, normal.top, normal.right, normal.bottom};
    SetWindowPlacement(window, &placement);
}

void MoveTo(HWND window, const Rect& r) {
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace varnolux
