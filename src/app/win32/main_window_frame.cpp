#include "app/win32/main_window.h"
#include "layout/window_snap.h"
#include "seams/main_ids.h"

namespace varnolux {

void MainWindow::OnExitSizeMove() {
    RECT now;
    GetWindowRect(hwnd_, &now);
    Rect snapped = SnapToWorkArea(Rect{now.left, now.top, now.right, now.bottom}, WorkArea(),
                                  session_.settings.Snapsize);
    SetWindowPos(hwnd_, nullptr, snapped.left, snapped.top, snapped.right - snapped.left,
                 snapped.bottom - snapped.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::OnGetMinMaxInfo(MINMAXINFO& info) {
    info.ptMinTrackSize.x = 100;
    info.ptMinTrackSize.y = 100;
}

}  // namespace varnolux
