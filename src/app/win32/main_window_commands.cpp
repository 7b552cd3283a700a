#include <windowsx.h>

#include "app/settings_io.h"
#include "app/win32/main_replay.h"
#include "app/win32/main_window.h"
#include "app/win32/session_recording.h"
#include "layout/topmost.h"
#include "seams/main_ids.h"
#include "tools/tool_commands.h"
#include "tools/win32/user_tool_menu.h"

namespace varnolux {

void MainWindow::OnCommand(int id, int notification) {
    if (replay_ && replay_->OnCommand(id, notification)) return;
    switch (id) {
        case ids::kCmdExit:
            ApplyExitChoice(session_.run, ExitChoice::Exit);
            SendMessageA(hwnd_, WM_CLOSE, 0, 0);
            return;
        case ids::kCmdExitNoSave:
            ApplyExitChoice(session_.run, ExitChoice::ExitWithoutSaving);
            SendMessageA(hwnd_, WM_CLOSE, 0, 0);
            return;
        case ids::kProjectChooser:
            if (notification == CBN_SELENDOK && projectChosen_) {
                const int index = seams_.view.ComboSelection(ids::kProjectChooser);
                const std::vector<std::string> entries =
                    seams_.view.ComboEntries(ids::kProjectChooser);
                if (index < 0 || static_cast<size_t>(index) >= entries.size()) return;
                projectChosen_(entries[static_cast<size_t>(index)]);
            }
            return;
        default:
            if (const auto view = ViewOfCommand(id)) {
                seams_.views.Show(*view);
                return;
            }
            if (listAndRun_.OnCommand(id, notification)) return;
            if (fileCommands_ && fileCommands_->OnCommand(id)) return;
            RunToolCommand(id, session_, seams_);
            return;
    }
}

void MainWindow::OnSysCommand(WPARAM command) {
    // The item's own ID is compared in full: the system keeps the low four bits
    // for its own commands only, and 150 has some of them set.
    if (LOWORD(command) != ids::kSysTopMost) return;
    HMENU system = GetSystemMenu(hwnd_, FALSE);
    char text[64] = "";
    GetMenuStringA(system, ids::kSysTopMost, text, sizeof text, MF_BYCOMMAND);
    auto change = ToggleTopMost(session_.settings, text);
    if (!change) return;
    SetTopmost(change->topmost);
    ModifyMenuA(system, ids::kSysTopMost, MF_BYCOMMAND | MF_STRING, ids::kSysTopMost,
                change->itemText.c_str());
}

void MainWindow::OnInitMenuPopup() {
    ApplyUserToolNames(GetMenu(hwnd_), session_.settings);
    if (fileCommands_) fileCommands_->OnInitMenu(GetMenu(hwnd_));
    if (replay_) replay_->OnInitMenu(GetMenu(hwnd_));
    listAndRun_.OnInitMenuPopup();
}

void MainWindow::OnContextMenu(LPARAM screenPoint) {
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);
    POINT inClient = at;
    ScreenToClient(hwnd_, &inClient);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!PtInRect(&client, inClient)) return;
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(ids::kMenuListContext));
    if (!menu) return;
    GetCursorPos(&at);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_,
                   nullptr);
    DestroyMenu(menu);
}

}  // namespace varnolux
