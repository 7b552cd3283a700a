#include "views/port/win32/port_window.h"

#include "layout/free_place.h"
#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "views/frame/aux_placement.h"
#include "views/frame/win32/aux_frame.h"
#include "views/frame/win32/point_font.h"
#include "views/port/port_ids.h"

namespace varnolux {

namespace {

constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr int kFirstWidth = 520;  // size when no placement is stored; the TRIS note fits
constexpr int kFirstHeight = 560;
constexpr COLORREF kRowImageMask = RGB(192, 192, 192);
constexpr const char* kTrisNote =
    "\tI/O state is as TRIS'ed and will not reflect changes made by internal peripherals";

const char* const kSections[3] = {"Port", "I/O", "Value"};
// Name, direction, binary, hexadecimal, decimal, and the hidden changed mark.
const int kColumnFormats[kPortColumns] = {LVCFMT_LEFT,   LVCFMT_CENTER, LVCFMT_CENTER,
                                          LVCFMT_CENTER, LVCFMT_CENTER, LVCFMT_LEFT};

HMENU AsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

int HeightOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

}  // namespace

PortWindow::PortWindow(Session& session, Seams& seams, HINSTANCE instance)
    : session_(session), seams_(seams), instance_(instance), view_(session) {}

void PortWindow::Create(HWND owner) {
    placement_ = ReadPortPlacement(seams_.os, session_.project.settingsPath);
    view_.Open(placement_);
    const Rect work = DesktopWorkArea();
    const Rect r =
        IsEmpty(placement_.rect)
            ? FreePlace(BesideOwner(WindowRectOf(owner), kFirstWidth, kFirstHeight, work),
                        ProgramWindowRects(nullptr), work)
            : FitIntoWorkArea(placement_.rect, work);
    HWND window =
        CreateWindowExA(0, kPortClass, "Varnolux   Port", kStyle, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, owner, nullptr, instance_, this);
    if (!window) return;
    AddTopMostItem(window, ids::kSysTopMostPortPinout, session_.settings.AlwaysOnTopPO);
    ShowWindow(window, SW_SHOWNORMAL);
}

void PortWindow::Fill() {
    if (!hwnd_.load() || !rows_) return;
    view_.Refresh(*rows_, true);
}

LRESULT CALLBACK PORTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<PortWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<PortWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT PortWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_.load();
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result)) return result;
            break;
        case WM_SYSCOMMAND:
            OnTopMostItem(hwnd, wParam, ids::kSysTopMostPortPinout,
                          session_.settings.AlwaysOnTopPO);
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void PortWindow::OnCreate() {
    CreateControls();
    layout_.Attach(hwnd_.load());
    layout_.Anchor(header_, kAnchorLeft | kAnchorTop | kAnchorRight);
    layout_.Anchor(list_, kAnchorAll);
}

void PortWindow::CreateControls() {
    HWND hwnd = hwnd_.load();
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = client.right;

    HWND status =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                        hwnd, AsMenu(ids::kPortStatusBar), instance_, nullptr);
    SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kTrisNote));

    font_ = CreatePointFont(session_.settings.PropFont, session_.settings.FontSizePO);
    const WPARAM font = reinterpret_cast<WPARAM>(font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));

    header_ = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_HORZ, 0, 0, width, 0,
                              hwnd, AsMenu(ids::kPortHeader), instance_, nullptr);
    SendMessageA(header_, WM_SETFONT, font, FALSE);
    for (int i = 0; i < 3; ++i) {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.cxy = ToScreen(placement_.headers[static_cast<size_t>(i)]);
        item.pszText = const_cast<char*>(kSections[i]);
        SendMessageA(header_, HDM_INSERTITEMA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    RECT area{0, 0, width, client.bottom};
    WINDOWPOS place{};
    HDLAYOUT headerLayout{&area, &place};
    SendMessageA(header_, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&headerLayout));
    const int headerHeight = place.cy;
    SetWindowPos(header_, nullptr, 0, 0, width, headerHeight, SWP_NOZORDER | SWP_NOACTIVATE);

    const int listHeight = client.bottom - headerHeight - HeightOf(status);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER |
                                LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
                            0, headerHeight, width, listHeight > 0 ? listHeight : 0, hwnd,
                            AsMenu(ids::kPortList), instance_, nullptr);
    SendMessageA(list_, WM_SETFONT, font, FALSE);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    for (int i = 0; i < kPortColumns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = kColumnFormats[i];
        column.cx = i < 5 ? ToScreen(placement_.columns[static_cast<size_t>(i)]) : 0;
        column.iSubItem = i;
        SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    images_ = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(ids::kBitmapRowImages), 16, 0,
                                   kRowImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images_) ListView_SetImageList(list_, images_, LVSIL_SMALL);
    rows_ = std::make_unique<Win32ReportList>(list_, kPortColumns, 0);
}

void PortWindow::OnClose() {
    HWND hwnd = hwnd_.load();
    if (session_.run.SaveOnExit.load() != 1) return;
    Rect normal;
    if (NormalRect(hwnd, &normal)) placement_.rect = normal;
    for (size_t c = 0; c < placement_.columns.size(); ++c)
        placement_.columns[c] = rows_->ColumnWidth(static_cast<int>(c));
    for (size_t h = 0; h < placement_.headers.size(); ++h) {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        if (SendMessageA(header_, HDM_GETITEMA, h, reinterpret_cast<LPARAM>(&item)))
            placement_.headers[h] = FromScreen(item.cxy);
    }
    placement_.expanded = view_.Expanded();
    session_.settings.AlwaysOnTopPO = IsTopmost(hwnd) ? 1 : 0;
    WritePortPlacement(seams_.os, session_.project.settingsPath, placement_,
                       session_.settings.AlwaysOnTopPO);
}

void PortWindow::OnDestroy() {
    rows_.reset();
    list_ = nullptr;
    header_ = nullptr;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
}

}  // namespace varnolux
