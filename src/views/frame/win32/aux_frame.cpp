#include "views/frame/win32/aux_frame.h"

#include "layout/topmost.h"

namespace varnolux {

Rect DesktopWorkArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return Rect{area.left, area.top, area.right, area.bottom};
}

Rect WindowRectOf(HWND window) {
    RECT r{};
    if (!window || !GetWindowRect(window, &r)) return Rect{};
    return Rect{r.left, r.top, r.right, r.bottom};
}

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

}  // namespace

std::vector<Rect> ProgramWindowRects(HWND except) {
    ShownWindows shown{except, {}};
    EnumThreadWindows(GetCurrentThreadId(), TakeShownWindow, reinterpret_cast<LPARAM>(&shown));
    return shown.rects;
}

bool NormalRect(HWND window, Rect* rect) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return false;
    const RECT& r = placement.rcNormalPosition;
    *rect = Rect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void AddTopMostItem(HWND window, int id, int32_t alwaysOnTop) {
    SetTopmost(window, alwaysOnTop == 1);
    HMENU system = GetSystemMenu(window, FALSE);
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, static_cast<UINT_PTR>(id), TopMostItemText(alwaysOnTop).c_str());
}

bool OnTopMostItem(HWND window, WPARAM command, int id, int32_t& alwaysOnTop) {
    // The item's own ID is compared in full: the system keeps the low four bits
    // for its own commands only.
    if (LOWORD(command) != id) return false;
    HMENU system = GetSystemMenu(window, FALSE);
    char text[64] = "";
    GetMenuStringA(system, static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND);
    const auto change = ToggleTopMost(alwaysOnTop, text);
    if (!change) return true;
    SetTopmost(window, change->topmost);
    ModifyMenuA(system, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id),
                change->itemText.c_str());
    return true;
}

}  // namespace varnolux
