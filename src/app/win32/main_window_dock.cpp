#include "app/win32/main_window.h"
#include "layout/anchors.h"
#include "seams/main_ids.h"

namespace varnolux {

namespace {

ControlBox PlaceOf(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return ControlBox{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Place(HWND control, const ControlBox& box) {
    SetWindowPos(control, nullptr, box.x, box.y, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void MainWindow::DockBelowList(HWND bar) {
    HWND list = Control(ids::kVarList);
    RECT own{};
    GetWindowRect(bar, &own);
    const DockedBelow docked = DockBelow(PlaceOf(list, hwnd_), own.bottom - own.top);
    Place(list, docked.above);
    Place(bar, docked.bar);
    // The places now are those the anchors keep as the window is resized.
    layout_.TakePlaces();
    layout_.Anchor(bar, kAnchorLeft | kAnchorRight | kAnchorBottom);
}

void MainWindow::Undock(HWND bar) {
    if (!bar) return;
    HWND list = Control(ids::kVarList);
    layout_.Release(bar);
    Place(list, Undocked(PlaceOf(list, hwnd_), PlaceOf(bar, hwnd_)));
    layout_.TakePlaces();
}

}  // namespace varnolux
