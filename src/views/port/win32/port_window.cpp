#include "views/port/win32/port_window.h"

#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "views/frame/win32/list_controls.h"
#include "views/port/port_ids.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

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
    : PlacedWindow(WindowFrameOf(ViewKind::Port), session, seams.os, seams.prompts,
                   session.settings.AlwaysOnTopPO),
      session_(session),
      seams_(seams),
      instance_(instance),
      view_(session) {}

void PortWindow::ReadKeys() {
    placement_ = ReadPortPlacement(seams_.os, session_.project.settingsPath);
    view_.Open(placement_);
}

void PortWindow::Fill() {
    if (!Handle() || !rows_) return;
    view_.Refresh(*rows_, true);
}

bool PortWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    return message == WM_NOTIFY && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
}

void PortWindow::OnCreate(HWND window) {
    CreateControls(window);
    Layout().Attach(window);
    Layout().Anchor(header_, kAnchorLeft | kAnchorTop | kAnchorRight);
    Layout().Anchor(list_, kAnchorAll);
}

void PortWindow::CreateControls(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = client.right;

    HWND status =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                        hwnd, AsMenu(ids::kPortStatusBar), instance_, nullptr);
    SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kTrisNote));

    const WPARAM font =
        reinterpret_cast<WPARAM>(Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));

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
    for (int i = 0; i < kPortColumns; ++i)
        AddListColumn(list_, i, nullptr, i < 5 ? placement_.columns[static_cast<size_t>(i)] : 0,
                      kColumnFormats[i]);
    images_ = ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(ids::kBitmapRowImages), 16, 0,
                                   kRowImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images_) ListView_SetImageList(list_, images_, LVSIL_SMALL);
    rows_ = std::make_unique<Win32ReportList>(list_, kPortColumns, 0);
}

void PortWindow::SaveOnClose(FormCloseState frame, bool) {
    if (!SavesOnExit()) return;
    if (frame.placementAvailable) placement_.rect = frame.normal;
    for (size_t c = 0; c < placement_.columns.size(); ++c)
        placement_.columns[c] = rows_->ColumnWidth(static_cast<int>(c));
    for (size_t h = 0; h < placement_.headers.size(); ++h) {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        if (SendMessageA(header_, HDM_GETITEMA, h, reinterpret_cast<LPARAM>(&item)))
            placement_.headers[h] = FromScreen(item.cxy);
    }
    placement_.expanded = view_.Expanded();
    session_.settings.AlwaysOnTopPO = frame.topmost ? 1 : 0;
    const std::string& path = session_.project.settingsPath;
    ReportSettingsWrite(
        WritePortPlacement(seams_.os, path, placement_, session_.settings.AlwaysOnTopPO),
        session_.run.SettingsWriteReported, seams_.prompts, path);
}

void PortWindow::OnDestroy() {
    rows_.reset();
    list_ = nullptr;
    header_ = nullptr;
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
}

LRESULT CALLBACK PORTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
