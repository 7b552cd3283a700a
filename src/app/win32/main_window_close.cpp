#include <windows.h>

#include <commctrl.h>

#include "app/close_sequence.h"
#include "app/win32/main_rules.h"
#include "app/win32/main_window.h"
#include "app/win32/session_recording.h"
#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "views/frame/win32/window_rects.h"

namespace varnolux {

namespace {

// Waits about `milliseconds`, letting messages that other threads send to this
// thread's windows through, so a link thread that is updating the main window
// can finish its call and end.
void PauseForLinkThread(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

class MainCloseSteps : public CloseSteps {
  public:
    MainCloseSteps(const MainWindow& main, const std::function<bool()>& linkRunning)
        : main_(main), linkRunning_(linkRunning) {}
    bool LinkRunning() override { return linkRunning_ && linkRunning_(); }
    void Pause() override { PauseForLinkThread(100); }
    MainWindowSnapshot Snapshot() override { return main_.Snapshot(); }
    // The trace file is opened and closed for each record: nothing stays open.
    void CloseTraceFile() override {}

  private:
    const MainWindow& main_;
    const std::function<bool()>& linkRunning_;
};

}  // namespace

void MainWindow::OnClose() {
    MainCloseSteps steps(*this, linkRunning_);
    RunCloseSequence(session_, seams_.os, seams_.prompts, seams_.views, steps);
    if (rules_) rules_->OnClose();
    // After the link thread: the recording holds the last transaction.
    if (fileCommands_) fileCommands_->OnClose();
}

MainWindowSnapshot MainWindow::Snapshot() const {
    MainWindowSnapshot snap;
    snap.placementAvailable = NormalRect(hwnd_, &snap.normal);
    snap.topmost = IsTopmost(hwnd_);
    HWND list = Control(ids::kVarList);
    for (int column = 0; column < 7; ++column)
        snap.columnWidths[column] = FromScreen(ListView_GetColumnWidth(list, column));
    return snap;
}

void MainWindow::OnDestroy() {
    KillTimer(hwnd_, ids::kTimerRefresh);
    KillTimer(hwnd_, ids::kTimerBlink);
    HIMAGELIST rows = ListView_GetImageList(Control(ids::kVarList), LVSIL_SMALL);
    if (rows) ImageList_Destroy(rows);
    SendMessageA(Control(ids::kVarList), WM_SETFONT, 0, FALSE);
    if (listFont_) DeleteObject(listFont_);
    listFont_ = nullptr;
    PostQuitMessage(0);
}

}  // namespace varnolux
