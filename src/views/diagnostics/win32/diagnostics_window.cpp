#include "views/diagnostics/win32/diagnostics_window.h"

#include <commctrl.h>

#include <algorithm>
#include <mutex>

#include "seams/win32/dpi_scale.h"
#include "views/diagnostics/record_diagnostics.h"

namespace varnolux {

namespace {

constexpr int kList = 6401;
constexpr int kRefresh = 6402;
constexpr int kLabelColumnWidth = 140;
constexpr LRESULT kHeaderMargin = 12;  // room the header keeps around its text
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct DiagnosticsControl {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;
    DWORD exStyle;
    ControlBox created;
    uint32_t anchors;
};

const DiagnosticsControl kControls[] = {
    {kList,
     WC_LISTVIEWA,
     "",
     LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
     WS_EX_CLIENTEDGE,
     {0, 9, 964, 499},
     kAnchorAll},
    {kRefresh,
     "BUTTON",
     "Refresh",
     WS_TABSTOP | BS_DEFPUSHBUTTON,
     0,
     {817, 523, 139, 31},
     kAnchorRight | kAnchorBottom},
    {6403, "STATIC", "", 0, 0, {0, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
    {6404, "STATIC", "", 0, 0, {264, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
    {6405, "STATIC", "", 0, 0, {529, 527, 236, 25}, kAnchorLeft | kAnchorBottom},
};

HMENU AsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

void DiagnosticsWindow::Create(HWND) {
    if (Handle()) return;
    CreateWindowExA(WS_EX_WINDOWEDGE, kDiagnosticsClass, "", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 94,
                    160, 976, 595, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK UDTDIAG_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<DiagnosticsWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<DiagnosticsWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(window, message, wParam, lParam);
}

LRESULT DiagnosticsWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kRefresh && HIWORD(wParam) == BN_CLICKED) Refresh();
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            list_.reset();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void DiagnosticsWindow::CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const DiagnosticsControl& c : kControls) {
        HWND control = CreateWindowExA(c.exStyle, c.windowClass, c.text, kChild | c.style,
                                       c.created.x, c.created.y, c.created.width, c.created.height,
                                       window, AsMenu(c.id), instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }
    layout_.Attach(window);
    for (const DiagnosticsControl& c : kControls)
        layout_.Anchor(GetDlgItem(window, c.id), c.anchors);

    HWND list = GetDlgItem(window, kList);
    const std::vector<std::string>& headers = DiagnosticsHeaders();
    for (size_t i = 0; i < headers.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = ToScreen(kLabelColumnWidth);
        column.pszText = const_cast<char*>(headers[i].c_str());
        column.iSubItem = static_cast<int>(i);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
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

}  // namespace varnolux
