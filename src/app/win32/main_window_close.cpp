#include <windows.h>

#include <commctrl.h>

#include "app/close_sequence.h"
#include "app/win32/main_window.h"
#include "app/win32/window_classes.h"
#include "ui/main_ids.h"

namespace varnolux {

namespace {

// The auxiliary windows in the order the close sequence closes them.
const char* const kAuxiliaryClasses[] = {"PortForm_Class",   "WatchForm_Class",
                                         "SourceForm_Class", "EEPROM_Form_Class",
                                         "PinoutForm_Class", "SFRForm_Class"};

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

}  // namespace

void MainWindow::OnClose() {
    CloseSteps steps;
    steps.linkRunning = linkRunning_;
    steps.pause = [] { PauseForLinkThread(100); };
    steps.watchWindowOpen = [] { return FindProgramWindow("WatchForm_Class") != nullptr; };
    steps.snapshot = [this] { return Snapshot(); };
    steps.closeAuxiliaryWindows = [] {
        for (const char* windowClass : kAuxiliaryClasses)
            if (HWND window = FindProgramWindow(windowClass)) SendMessageA(window, WM_CLOSE, 0, 0);
    };
    RunCloseSequence(session_, seams_.os, steps);
}

MainWindowSnapshot MainWindow::Snapshot() const {
    MainWindowSnapshot snap;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(hwnd_, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        snap.placementAvailable = true;
        snap.normal = Rect{r.left, r.top, r.right, r.bottom};
    }
    snap.topmost = (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND list = Control(ids::kVarList);
    for (int column = 0; column < 7; ++column)
        snap.columnWidths[column] = ListView_GetColumnWidth(list, column);
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
