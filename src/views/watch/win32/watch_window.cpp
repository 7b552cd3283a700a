#include "views/watch/win32/watch_window.h"

#include <mutex>

#include "layout/topmost.h"
#include "link/link_text.h"
#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "views/about/about_box.h"
#include "views/frame/win32/aux_frame.h"
#include "views/frame/win32/point_font.h"
#include "views/watch/watch_commands.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_placement.h"
#include "views/watch/watch_rows.h"

namespace varnolux {

namespace {

// The main window's frame: a popup window with caption, sizing border and
// minimise box.
constexpr DWORD kWatchStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kBottomLeft = kAnchorLeft | kAnchorBottom;
constexpr uint32_t kBottomRight = kAnchorRight | kAnchorBottom;

struct WatchControl {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;
    DWORD exStyle;
    ControlBox created;  // client pixels as created
    uint32_t anchors;
};

// The list fills the window; the run-control row stays at the bottom, the
// Continue button at the right.
const WatchControl kControls[] = {
    {ids::kWatchList,
     WC_LISTVIEWA,
     "",
     WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
     WS_EX_CLIENTEDGE,
     {0, 1, 358, 381},
     kAnchorAll},
    {ids::kWatchDumpIdLabel, "STATIC", "DumpID 888", 0, 0, {0, 391, 80, 18}, kBottomLeft},
    {ids::kWatchDepthEdit,
     "EDIT",
     "0",
     WS_TABSTOP | ES_NUMBER,
     WS_EX_CLIENTEDGE,
     {87, 388, 17, 26},
     kBottomLeft},
    {ids::kWatchDepthUpDown,
     UPDOWN_CLASSA,
     "",
     UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     0,
     {102, 388, 19, 26},
     kBottomLeft},
    {ids::kWatchHistoryLabel, "STATIC", "History", 0, 0, {124, 391, 47, 21}, kBottomLeft},
    {ids::kWatchContinuous,
     "BUTTON",
     "Continuous",
     WS_TABSTOP | BS_AUTOCHECKBOX,
     0,
     {181, 391, 97, 18},
     kBottomLeft},
    {ids::kWatchContinueButton,
     "BUTTON",
     "",
     WS_TABSTOP | BS_OWNERDRAW,
     0,
     {289, 388, 69, 26},
     kBottomRight},
};

const char* const kColumnHeaders[kWatchColumns] = {
    "   Label   ", "Value   ", "", "", "", "", "", "", "", ""};

HMENU AsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

WatchWindow::WatchWindow(Session& session, Seams& seams, ListRunner& mainList,
                         const ContinueBrushes& brushes)
    : session_(session), seams_(seams), mainList_(mainList), brushes_(brushes) {}

WatchWindow::~WatchWindow() {
    if (listFont_) DeleteObject(listFont_);
}

void WatchWindow::Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    if (!WatchForm_Create(owner)) return;
    Initialise();
}

HWND WatchWindow::WatchForm_Create(HWND owner) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(ids::kMenuWatch));
    const std::string title = std::string(kProgramName) + "   Watch";
    const Rect& r = kWatchCreatedRect;
    HWND window =
        CreateWindowExA(WS_EX_WINDOWEDGE, kWatchClass, title.c_str(), kWatchStyle, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, owner, menu, instance, this);
    if (!window && menu) DestroyMenu(menu);
    return window;
}

LRESULT CALLBACK WATCHFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<WatchWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<WatchWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(window, message, wParam, lParam);
}

LRESULT WatchWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), &result)) return result;
            break;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
            break;
        case WM_INITMENU:
            OnInitMenu(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup();
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID != static_cast<UINT>(ids::kWatchContinueButton)) break;
            DrawContinueButton(item, session_.run, brushes_);
            return TRUE;
        }
        case WM_SYSCOMMAND:
            OnSysCommand(wParam);
            break;
        case WM_EXITSIZEMOVE:
            OnExitSizeMove();
            return 0;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void WatchWindow::CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const WatchControl& c : kControls) {
        HWND control = CreateWindowExA(c.exStyle, c.windowClass, c.text, kChild | c.style,
                                       c.created.x, c.created.y, c.created.width, c.created.height,
                                       window, AsMenu(c.id), instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
    }
    layout_.Attach(window);
    for (const WatchControl& c : kControls) layout_.Anchor(GetDlgItem(window, c.id), c.anchors);

    HWND list = GetDlgItem(window, ids::kWatchList);
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    for (int i = 0; i < kWatchColumns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = i == kWatchColLabel ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = 0;
        column.pszText = const_cast<char*>(kColumnHeaders[i]);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    list_ = std::make_unique<Win32ReportList>(list, kWatchColumns, kWatchColLabel);
    SubclassControl(list, WATCHFORM_LISTVIEW_SUBCLASSPROC);
    SendMessageA(GetDlgItem(window, ids::kWatchDepthUpDown), UDM_SETBUDDY,
                 reinterpret_cast<WPARAM>(GetDlgItem(window, ids::kWatchDepthEdit)), 0);
}

void WatchWindow::Initialise() {
    HWND window = Handle();
    const WatchPlacement stored = ReadWatchPlacement(seams_.os, session_.project.settingsPath);
    const Rect r =
        WatchWindowRect(stored.stored, DesktopWorkArea(), ScreenDpi(), ProgramWindowRects(window));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    placement.showCmd = SW_SHOW;
    placement.rcNormalPosition = RECT{r.left, r.top, r.right, r.bottom};
    SetWindowPlacement(window, &placement);
    SetWindowPos(window, session_.settings.AlwaysOnTopW == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    listFont_ = CreatePointFont(session_.settings.PropFont, session_.settings.FontSizeW);
    if (listFont_)
        SendMessageA(Control(ids::kWatchList), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_),
                     TRUE);

    SendMessageA(Control(ids::kWatchContinuous), BM_SETCHECK,
                 seams_.view.IsChecked(ids::kContinuous) ? BST_CHECKED : BST_UNCHECKED, 0);

    HMENU system = GetSystemMenu(window, FALSE);
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, ids::kWatchSysTopMost,
                TopMostItemText(session_.settings.AlwaysOnTopW).c_str());

    int32_t dumpId = 0;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        dumpId = session_.image.DumpId;
    }
    // Before the first dump there is no DumpID yet: 0 stands for it.
    SetWindowTextA(Control(ids::kWatchDumpIdLabel),
                   (" DumpID " + SignPadded(dumpId < 0 ? 0 : dumpId)).c_str());

    list_->DeleteAllRows();
    const auto widths = WatchColumnWidths(WatchLabelWidth(stored.column0),
                                          WatchValueWidth(stored.column1), stored.historyDepth);
    for (int i = 0; i < kWatchColumns; ++i) list_->SetColumnWidth(i, widths[i]);

    HWND upDown = Control(ids::kWatchDepthUpDown);
    SendMessageA(upDown, UDM_SETRANGE32, 0, kWatchDepthMax);
    SendMessageA(upDown, UDM_SETPOS32, 0, stored.historyDepth);
    char text[16] = "";
    GetWindowTextA(Control(ids::kWatchDepthEdit), text, sizeof text);
    depth_ = ReadDepthText(text).depth;

    mainList_.Run([](ListContext& c) { ApplyWatchDefaultRadix(c); });
    ready_ = true;
}

void WatchWindow::Fill() {
    if (!list_ || !Handle()) return;
    WatchFill fill;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        fill = TakeWatchFill(session_.records, depth_);
    }
    WriteWatchRows(*list_, fill, descending_);
    for (int j = 0; j < kWatchHistoryColumns; ++j)
        if (!fill.headers[j].empty()) SetHeader(kWatchColFirstHistory + j, fill.headers[j]);
    for (const std::string& text : fill.messages) seams_.prompts.Inform(text);
}

void WatchWindow::SetHeader(int column, const std::string& text) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT;
    c.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list_->Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&c));
}

}  // namespace varnolux
