#include <windowsx.h>

#include <mutex>

#include "seams/main_ids.h"
#include "tools/win32/user_tool_menu.h"
#include "views/watch/watch_commands.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_menu.h"
#include "views/watch/watch_placement.h"
#include "views/watch/win32/watch_window.h"

namespace varnolux {

void WatchWindow::OnCommand(int id, int notification) {
    switch (id) {
        case ids::kWatchDepthEdit:
            if (notification == EN_CHANGE) OnDepthChanged();
            return;
        case ids::kWatchContinuous:
            if (notification == BN_CLICKED) {
                const bool on = WatchContinuousClicked(seams_.view);
                SendMessageA(Control(ids::kWatchContinuous), BM_SETCHECK,
                             on ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            return;
        case ids::kWatchContinueButton:
            if (notification == BN_CLICKED) {
                // The main window's Continue command runs; it hands the focus
                // back here when the target was waiting.
                HWND owner = Owner();
                HWND button = GetDlgItem(owner, ids::kContinueButton);
                PostMessageA(owner, WM_COMMAND, MAKEWPARAM(ids::kContinueButton, BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
                SetFocus(button);
            }
            return;
        default:
            break;
    }
    if (const int radix = WatchPopupRadix(id)) {
        if (IsWatchColumnRadix(id)) {
            mainList_.Run([radix](ListContext& c) { WatchColumnRadix(c, radix); });
        } else {
            const std::string label = menuClick_.label;
            mainList_.Run([&label, radix](ListContext& c) { WatchItemRadix(c, label, radix); });
        }
        return;
    }
    // Every item of menu 2803 repeats a command of the main window, which runs it.
    if (IsWatchMenuCommand(id) && Owner()) SendMessageA(Owner(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void WatchWindow::OnDepthChanged() {
    if (!ready_ || !list_) return;
    HWND edit = Control(ids::kWatchDepthEdit);
    char text[16] = "";
    GetWindowTextA(edit, text, sizeof text);
    const DepthEntry entry = ReadDepthText(text);
    if (entry.replaced) {
        // Setting the text changes it again, and that change is handled.
        SetWindowTextA(edit, "7");
        return;
    }
    const int old = depth_;
    depth_ = entry.depth;
    const int32_t valueWidth = list_->ColumnWidth(kWatchColValue);
    RedrawOff off(*list_);
    if (depth_ != old) {
        // The window grows or shrinks to the left; its right edge stays.
        RECT r{};
        GetWindowRect(Handle(), &r);
        const int32_t shift = DepthChangeLeftShift(old, depth_, valueWidth);
        SetWindowPos(Handle(), nullptr, r.left + shift, r.top, (r.right - r.left) - shift,
                     r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto widths = WatchColumnWidths(list_->ColumnWidth(kWatchColLabel), valueWidth, depth_);
    for (int i = kWatchColFirstHistory; i < kWatchColumns; ++i) list_->SetColumnWidth(i, widths[i]);
    Fill();
}

bool WatchWindow::OnContextMenu(HWND source, LPARAM screenPoint) {
    // A request from the list or its header is always for the popup; one of
    // the window itself only when the point lies in its client area (the
    // caption keeps its system menu).
    if (source == Handle()) {
        POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        ScreenToClient(Handle(), &at);
        RECT client;
        GetClientRect(Handle(), &client);
        if (!PtInRect(&client, at)) return false;
    }
    POINT at;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ids::kMenuWatchPopup));
    if (!menu) return true;
    GetCursorPos(&at);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(),
                   nullptr);
    DestroyMenu(menu);
    return true;
}

void WatchWindow::OnInitMenu(HMENU menu) {
    // The popup is recognised by its items; the window's own menu is left alone.
    bool isPopup = false;
    for (int id : WatchPopupItemIds())
        if (GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1)) isPopup = true;
    if (!isPopup) return;
    for (int id : WatchPopupItemIds()) DeleteMenu(menu, id, MF_BYCOMMAND);
    // The command works on this click; a popup without a fresh right click is empty.
    menuClick_ = click_;
    click_ = WatchClick();
    WatchPopup popup;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        popup = PruneWatchPopup(session_.records, menuClick_);
    }
    for (int id : popup.items)
        AppendMenuA(menu, MF_STRING | MF_ENABLED, id, WatchPopupItemText(id).c_str());
    if (!popup.message.empty()) seams_.prompts.Inform(popup.message);
}

void WatchWindow::OnInitMenuPopup() {
    HMENU menu = GetMenu(Handle());
    if (!menu) return;
    ApplyUserToolNames(menu, session_.settings);
    for (const auto& [id, enabled] : WatchMenuEnabled(ComputeWatchMenuStates(session_)))
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace varnolux
