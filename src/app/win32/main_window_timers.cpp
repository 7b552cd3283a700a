#include "app/main_timers.h"
#include "app/win32/main_window.h"
#include "app/win32/window_classes.h"
#include "project/file_time_checks.h"
#include "ui/main_ids.h"

namespace varnolux {

namespace {
// The Watch window's own Continue button.
constexpr int kWatchContinueButton = 111;
}  // namespace

void MainWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case ids::kTimerRefresh:
            if (TakeNewDump(session_.run, IsWindowVisible(hwnd_))) RefreshAfterDump();
            return;
        case ids::kTimerBlink:
            if (BlinkTick(session_.run, view_)) RepaintContinueButtons();
            return;
        default:
            return;
    }
}

void MainWindow::RefreshAfterDump() {
    listAndRun_.OnNewDump();
    RecheckFileTimes(session_, seams_);
}

void MainWindow::RepaintContinueButtons() {
    RedrawWindow(Control(ids::kContinueButton), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (HWND watch = FindProgramWindow("WatchForm_Class"))
        RedrawWindow(GetDlgItem(watch, kWatchContinueButton), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace varnolux
