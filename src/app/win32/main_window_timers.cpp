#include "app/main_timers.h"
#include "app/win32/main_rules.h"
#include "app/win32/main_window.h"
#include "app/win32/session_recording.h"
#include "seams/main_ids.h"

namespace varnolux {

void MainWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case ids::kTimerRefresh:
            if (rules_) rules_->OnTick();
            RefreshIfNewDump();
            if (fileCommands_) fileCommands_->OnTick();
            return;
        case ids::kTimerBlink:
            if (BlinkTick(session_.run, view_)) RepaintContinueButtons();
            return;
        default:
            return;
    }
}

void MainWindow::RefreshIfNewDump() {
    if (TakeDumpToShow(session_.run, IsWindowVisible(hwnd_), frozen_)) {
        RefreshAfterDump();
        if (frozen_.shown) session_.run.FrozenShown = 1;
    }
}

void MainWindow::RefreshAfterDump() {
    RefreshAfterNewDump(session_, listAndRun_.List(), seams_);
}

void MainWindow::RepaintContinueButtons() {
    RedrawWindow(Control(ids::kContinueButton), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    seams_.views.RepaintWatchContinue();
}

}  // namespace varnolux
