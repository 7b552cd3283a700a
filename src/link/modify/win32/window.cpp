#include "link/modify/win32/window.h"

#include <commctrl.h>

#include "link/modify/confirm.h"
#include "seams/win32/window_object.h"
#include "vars/main_list_modify.h"

namespace varnolux {

namespace {

constexpr int kWidth = 169;
constexpr int kHeight = 68;

HWND MakeControl(HWND parent, DWORD exStyle, const char* windowClass, const char* text, DWORD style,
                 int id, int x, int y, int w, int h) {
    HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

}  // namespace

void ModifyWindow::Open(HWND owner, int row, int column) {
    Close();
    ModifyStart start;
    list_.Run([&](ListContext& c) { start = OpenModifyForCell(c, row, column); });
    if (!start.open) return;

    HWND listWindow = list_.Handle();
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageA(listWindow, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cell));
    MapWindowPoints(listWindow, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    const WindowOrigin at = PlaceModifyWindow(
        CellRect{cell.left, cell.top, cell.right, cell.bottom}, row, list_.List().FirstVisibleRow(),
        list_.List().RowsPerPage(), kWidth, kHeight);

    hwnd_ = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, kModifyClass, "Dialog",
                            WS_POPUP | WS_THICKFRAME, at.x, at.y, kWidth, kHeight, owner, nullptr,
                            GetModuleHandleA(nullptr), this);
    if (!hwnd_) return;
    HWND edit = GetDlgItem(hwnd_, kModifyEdit);
    SetWindowTextA(edit, start.text.c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(edit);
}

void ModifyWindow::Close() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void ModifyWindow::CreateControls() {
    MakeControl(hwnd_, WS_EX_CLIENTEDGE, "EDIT", "",
                WS_TABSTOP | ES_RIGHT | ES_UPPERCASE | ES_AUTOHSCROLL, kModifyEdit, 3, 2, 148, 22);
    MakeControl(hwnd_, 0, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, kModifyOk, 3, 28, 66, 28);
    MakeControl(hwnd_, 0, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, kModifyCancel, 86, 28, 66,
                28);
}

void ModifyWindow::Confirm() {
    HWND edit = GetDlgItem(hwnd_, kModifyEdit);
    char text[264] = "";
    GetWindowTextA(edit, text, 261);
    ConfirmOutcome outcome;
    list_.Run([&](ListContext& c) { outcome = ConfirmModify(c.session, c.list, text); });
    if (!outcome.accepted) {
        SetWindowTextA(edit, outcome.editText.c_str());
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return;
    }
    SetFocus(list_.Handle());
    Close();
}

LRESULT ModifyWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case DM_GETDEFID:
            return MAKELONG(kModifyOk, DC_HASDEFID);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kModifyOk:
                case IDOK:
                    Confirm();
                    return 0;
                case kModifyCancel:
                case IDCANCEL:
                    Close();
                    return 0;
                default:
                    break;
            }
            break;
        case WM_DESTROY:
            hwnd_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK MODIFYFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ModifyWindow* self = WindowObject<ModifyWindow>(window, message, lParam);
    if (self && message == WM_NCCREATE) self->hwnd_ = window;
    if (!self || self->hwnd_ != window) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return self->OnMessage(message, wParam, lParam);
}

}  // namespace varnolux
