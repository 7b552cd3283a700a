#include "views/diagnostics/win32/diagnostics_window.h"

#include <commctrl.h>

#include <algorithm>
#include <mutex>

#include "views/diagnostics/record_diagnostics.h"
#include "views/frame/win32/child_controls.h"
#include "views/frame/win32/list_controls.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

constexpr int kList = 6401;
constexpr int kRefresh = 6402;
constexpr int kLabelColumnWidth = 140;
constexpr LRESULT kHeaderMargin = 12;  // room the header keeps around its text

const ChildControl kControls[] = {
    {kList, WC_LISTVIEWA, "", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
     WS_EX_CLIENTEDGE, ControlBox{0, 9, 964, 499}, kAnchorAll},
    {kRefresh, "BUTTON", "Refresh", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, ControlBox{817, 523, 139, 31},
     kAnchorRight | kAnchorBottom},
    {6403, "STATIC", "", 0, 0, ControlBox{0, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
    {6404, "STATIC", "", 0, 0, ControlBox{264, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
    {6405, "STATIC", "", 0, 0, ControlBox{529, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
};

}  // namespace

DiagnosticsWindow::DiagnosticsWindow(Session& session)
    : FrameWindow(WindowFrameOf(ViewKind::RecordDiagnostics).traits), session_(session) {}

bool DiagnosticsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    *result = 0;
    if (message != WM_COMMAND) return false;
    if (LOWORD(wParam) == kRefresh && HIWORD(wParam) == BN_CLICKED) Refresh();
    return true;
}

void DiagnosticsWindow::OnCreate(HWND window) {
    CreateChildControls(window, kControls, &Layout());
    HWND list = GetDlgItem(window, kList);
    const std::vector<std::string>& headers = DiagnosticsHeaders();
    for (size_t i = 0; i < headers.size(); ++i)
        AddListColumn(list, static_cast<int>(i), headers[i].c_str(), kLabelColumnWidth);
    // Sized once all exist: the last column sized to its header takes the
    // width that is left.
    for (size_t i = 0; i < headers.size(); ++i)
        if (!IsDiagnosticsLabelColumn(static_cast<int>(i)))
            SendMessageA(list, LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE_USEHEADER);
    list_ = std::make_unique<Win32ReportList>(list, static_cast<int>(headers.size()), 0);
}

void DiagnosticsWindow::Refresh() {
    if (!list_) return;
    std::vector<std::vector<std::string>> rows;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        rows = DiagnosticsRows(session_.records);
    }
    RedrawOff off(*list_);
    list_->DeleteAllRows();
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        list_->InsertRow(row);
        for (size_t c = 0; c < rows[r].size(); ++c)
            list_->SetCellText(row, static_cast<int>(c), rows[r][c]);
    }
    FitColumnsToContents();
}

void DiagnosticsWindow::FitColumnsToContents() {
    // Each column as wide as its widest cell or its header, whichever is wider.
    HWND list = GetDlgItem(Handle(), kList);
    const std::vector<std::string>& headers = DiagnosticsHeaders();
    for (size_t c = 0; c < headers.size(); ++c) {
        if (IsDiagnosticsLabelColumn(static_cast<int>(c))) continue;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
        const LRESULT cells = SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0);
        const LRESULT header = SendMessageA(list, LVM_GETSTRINGWIDTHA, 0,
                                            reinterpret_cast<LPARAM>(headers[c].c_str())) +
                               kHeaderMargin;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, c, std::max(cells, header));
    }
}

LRESULT CALLBACK UDTDIAG_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
