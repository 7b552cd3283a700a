#include "layout/window_snap.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_placement.h"
#include "views/watch/win32/watch_window.h"

namespace varnolux {

void WatchWindow::OnExitSizeMove() {
    RECT now;
    GetWindowRect(Handle(), &now);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const Rect snapped = SnapToWorkAreaTopRight(Rect{now.left, now.top, now.right, now.bottom},
                                                Rect{area.left, area.top, area.right, area.bottom},
                                                session_.settings.Snapsize);
    SetWindowPos(Handle(), nullptr, snapped.left, snapped.top, snapped.right - snapped.left,
                 snapped.bottom - snapped.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WatchWindow::OnClose() {
    HWND window = Handle();
    if (!window) return;
    // A minimised main window comes back with the Watch window's closing; one
    // not shown yet (the start-up failed) stays hidden.
    if (owner_ && IsWindowVisible(owner_)) ShowWindow(owner_, SW_SHOWNORMAL);
    WatchClosing closing;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        closing.placementAvailable = true;
        closing.normal = Rect{r.left, r.top, r.right, r.bottom};
    }
    closing.labelWidth = list_ ? list_->ColumnWidth(kWatchColLabel) : 0;
    closing.valueWidth = list_ ? list_->ColumnWidth(kWatchColValue) : 0;
    char text[16] = "";
    GetWindowTextA(Control(ids::kWatchDepthEdit), text, sizeof text);
    closing.depthText = text;
    closing.topmost = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SaveWatchPlacement(session_, seams_.os, closing);
    // From here on the window counts as closed; default processing destroys it.
    hwnd_ = nullptr;
    ready_ = false;
}

void WatchWindow::OnDestroy() {
    // Also when the window goes without a close (its owner was destroyed).
    hwnd_ = nullptr;
    ready_ = false;
    if (list_) SendMessageA(list_->Handle(), WM_SETFONT, 0, FALSE);
    list_.reset();
    click_ = WatchClick();
    menuClick_ = WatchClick();
    descending_ = false;
    if (listFont_) DeleteObject(listFont_);
    listFont_ = nullptr;
}

}  // namespace varnolux
