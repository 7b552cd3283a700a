#include "app/main_ids.h"
#include "app/main_timers.h"
#include "app/win32/main_window.h"

namespace varnolux {

void MainWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case ids::kTimerRefresh:
            if (TakeNewDump(session_.run, IsWindowVisible(hwnd_)))
                RedrawWindow(Control(ids::kVarList), nullptr, nullptr, RDW_INVALIDATE);
            return;
        case ids::kTimerBlink:
            if (BlinkTick(session_.run, view_)) RepaintContinueButtons();
            return;
        default:
            return;
    }
}

void MainWindow::RepaintContinueButtons() {
    RedrawWindow(Control(ids::kContinueButton), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace varnolux
