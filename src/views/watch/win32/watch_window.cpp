#include "views/watch/win32/watch_window.h"

#include <mutex>

#include "link/line/link_text.h"
#include "seams/main_ids.h"
#include "views/frame/win32/child_controls.h"
#include "views/frame/win32/list_controls.h"
#include "views/watch/watch_commands.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_placement.h"
#include "views/watch/watch_rows.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

constexpr uint32_t kBottomLeft = kAnchorLeft | kAnchorBottom;
constexpr uint32_t kBottomRight = kAnchorRight | kAnchorBottom;

// The list fills the window; the run-control row stays at the bottom, the
// Continue button at the right.
const ChildControl kControls[] = {
    {ids::kWatchList, WC_LISTVIEWA, "",
     WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDATA,
     WS_EX_CLIENTEDGE, ControlBox{0, 1, 358, 381}, kAnchorAll},
    {ids::kWatchDumpIdLabel, "STATIC", "DumpID 888", 0, 0, ControlBox{0, 391, 80, 18}, kBottomLeft},
    {ids::kWatchDepthEdit, "EDIT", "0", WS_TABSTOP | ES_NUMBER, WS_EX_CLIENTEDGE,
     ControlBox{87, 388, 17, 26}, kBottomLeft},
    {ids::kWatchDepthUpDown, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
     0, ControlBox{102, 388, 19, 26}, kBottomLeft},
    {ids::kWatchHistoryLabel, "STATIC", "History", 0, 0, ControlBox{124, 391, 47, 21}, kBottomLeft},
    {ids::kWatchContinuous, "BUTTON", "Continuous", WS_TABSTOP | BS_AUTOCHECKBOX, 0,
     ControlBox{181, 391, 97, 18}, kBottomLeft},
    {ids::kWatchContinueButton, "BUTTON", "", WS_TABSTOP | BS_OWNERDRAW, 0,
     ControlBox{289, 388, 69, 26}, kBottomRight},
};

const char* const kColumnHeaders[kWatchColumns] = {
    "   Label   ", "Value   ", "", "", "", "", "", "", "", ""};

}  // namespace

WatchWindow::WatchWindow(Session& session, Seams& seams, ListRunner& mainList,
                         const ContinueBrushes& brushes)
    : PlacedWindow(WindowFrameOf(ViewKind::Watch), session, seams.os, seams.prompts,
                   session.settings.AlwaysOnTopW),
      session_(session),
      seams_(seams),
      mainList_(mainList),
      brushes_(brushes) {}

HMENU WatchWindow::MenuBar() {
    return LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ids::kMenuWatch));
}

bool WatchWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return true;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        case WM_CONTEXTMENU:
            return OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        case WM_INITMENU:
            OnInitMenu(reinterpret_cast<HMENU>(wParam));
            return true;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup();
            return true;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID != static_cast<UINT>(ids::kWatchContinueButton)) return false;
            DrawContinueButton(item, session_.run, brushes_);
            *result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

void WatchWindow::OnCreate(HWND window) {
    CreateChildControls(window, kControls, &Layout());
    HWND list = GetDlgItem(window, ids::kWatchList);
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    for (int i = 0; i < kWatchColumns; ++i)
        AddListColumn(list, i, kColumnHeaders[i], 0,
                      i == kWatchColLabel ? LVCFMT_LEFT : LVCFMT_RIGHT);
    list_ = std::make_unique<OwnerDataList>(list, kWatchColumns, kWatchColLabel);
    SubclassControl(list, WATCHFORM_LISTVIEW_SUBCLASSPROC);
    SendMessageA(GetDlgItem(window, ids::kWatchDepthUpDown), UDM_SETBUDDY,
                 reinterpret_cast<WPARAM>(GetDlgItem(window, ids::kWatchDepthEdit)), 0);
}

bool WatchWindow::Initialise(HWND) {
    if (Font())
        SendMessageA(Control(ids::kWatchList), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);

    SendMessageA(Control(ids::kWatchContinuous), BM_SETCHECK,
                 seams_.view.IsChecked(ids::kContinuous) ? BST_CHECKED : BST_UNCHECKED, 0);

    int32_t dumpId = 0;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        dumpId = session_.image.DumpId;
    }
    // Before the first dump there is no DumpID yet: 0 stands for it.
    SetWindowTextA(Control(ids::kWatchDumpIdLabel),
                   (" DumpID " + SignPadded(dumpId < 0 ? 0 : dumpId)).c_str());

    const WatchPlacement stored = ReadWatchPlacement(seams_.os, session_.project.settingsPath);
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
    return true;
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

void WatchWindow::SaveOnClose(FormCloseState frame, bool) {
    ready_ = false;
    // A minimised main window comes back with the Watch window's closing; one
    // not shown yet (the start-up failed) stays hidden.
    HWND owner = Owner();
    if (owner && IsWindowVisible(owner)) ShowWindow(owner, SW_SHOWNORMAL);
    WatchClosing closing;
    closing.placementAvailable = frame.placementAvailable;
    closing.normal = frame.normal;
    closing.labelWidth = list_ ? list_->ColumnWidth(kWatchColLabel) : 0;
    closing.valueWidth = list_ ? list_->ColumnWidth(kWatchColValue) : 0;
    char text[16] = "";
    GetWindowTextA(Control(ids::kWatchDepthEdit), text, sizeof text);
    closing.depthText = text;
    closing.topmost = frame.topmost;
    SaveWatchPlacement(session_, seams_.os, seams_.prompts, closing);
}

void WatchWindow::OnDestroy() {
    // Also when the window goes without a close (its owner was destroyed).
    ready_ = false;
    list_.reset();
    click_ = WatchClick();
    menuClick_ = WatchClick();
    descending_ = false;
}

LRESULT CALLBACK WATCHFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
