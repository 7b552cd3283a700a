#include "views/source/win32/source_window.h"

#include <mutex>

#include "seams/win32/dpi_scale.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/form_frame.h"
#include "views/source/source_ids.h"
#include "views/source/source_view.h"

namespace varnolux {

namespace {

constexpr DWORD kSourceStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
const Rect kCreated{93, 160, 93 + 680, 160 + 453};

}  // namespace

void SourceWindow::SourceForm_Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    HWND window = CreateWindowExA(WS_EX_WINDOWEDGE, ids::kSourceFormClass, "", kSourceStyle,
                                  kCreated.left, kCreated.top, kCreated.right - kCreated.left,
                                  kCreated.bottom - kCreated.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (window && !Initialise()) DestroyWindow(window);
}

void SourceWindow::OnCreate(HWND window) {
    list_ = CreateReportList(window, ids::kSourceList, 3, 4, 669, 414, WS_TABSTOP | WS_VSCROLL,
                             WS_EX_CLIENTEDGE);
    for (int c = 0; c < kSourceColumnCount; ++c)
        AddListColumn(list_, c, kSourceHeaders[c], kSourceBuiltInWidths[c]);
    layout_.Attach(window);
    layout_.Anchor(list_, kAnchorAll);
}

bool SourceWindow::Initialise() {
    HWND window = Handle();
    if (!window || !list_) return false;
    const std::string& ini = session_.project.settingsPath;
    const FormSettingsKeys& keys = SourceFormKeys();
    const Settings& settings = session_.settings;
    PlaceForm(
        window,
        PlaceFormWindow(ReadStoredRect(os_, ini, keys.section), ScaledSize(kCreated, ScreenDpi()),
                        DesktopWorkArea(), ProgramWindowRects(window)),
        settings.AlwaysOnTopS == 1);
    font_ = CreateFixedFont(settings.FixedFont, settings.FontSizeS);
    if (font_) SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    AddTopMostItem(window, ids::kSysSourceTopMost, settings.AlwaysOnTopS);
    SetWindowTextA(window, "Varnolux  ");
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    for (int c = 0; c < kSourceColumnCount; ++c)
        SendMessageA(list_, LVM_SETCOLUMNWIDTH, c,
                     ToScreen(ReadColumnWidth(os_, ini, keys.section, keys.columnKeys[c], "0",
                                              kSourceBuiltInWidths[c])));
    return true;
}

void SourceWindow::Fill() {
    HWND window = Handle();
    if (!window) return;
    int32_t dumpId = -1;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        dumpId = session_.image.DumpId;
    }
    // The dump point table and the source file list stay as the load left them.
    const SourceView view =
        BuildSourceView(session_.dumpPoints, session_.project, session_.settings, dumpId, os_);
    Win32ReportList list(list_, kSourceColumnCount, 0);
    highlightRow_ = view.excerpt.highlightRow;
    WriteSourceRows(list, view.excerpt);
    ScrollToHighlight(static_cast<int>(view.excerpt.rows.size()));
    SetWindowTextA(window, view.title.c_str());
}

void SourceWindow::ScrollToHighlight(int rowCount) {
    const int fit = static_cast<int>(SendMessageA(list_, LVM_GETCOUNTPERPAGE, 0, 0));
    const auto top = SourceScrollTop(highlightRow_, rowCount, fit);
    if (!top) return;
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (!SendMessageA(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return;
    const int current = static_cast<int>(SendMessageA(list_, LVM_GETTOPINDEX, 0, 0));
    SendMessageA(list_, LVM_SCROLL, 0, (*top - current) * (row.bottom - row.top));
}

void SourceWindow::OnClose() {
    HWND window = Handle();
    SaveFormSettings(SourceFormKeys(), ReadCloseState(window, {{list_, kSourceColumnCount}}),
                     session_.run.SaveOnExit.load(), os_, session_.project.settingsPath, prompts_);
    DestroyWindow(window);
}

void SourceWindow::OnDestroy() {
    hwnd_ = nullptr;
    list_ = nullptr;
    highlightRow_ = -1;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

LRESULT SourceWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_NCCREATE:
            hwnd_ = window;
            break;
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.idFrom != static_cast<UINT_PTR>(ids::kSourceList) ||
                header.code != NM_CUSTOMDRAW)
                break;
            const int marked = highlightRow_;
            return DrawCellsOn(reinterpret_cast<NMLVCUSTOMDRAW&>(header),
                               [marked](int row, int column) {
                                   return SourceCellBackground(row, column, marked);
                               });
        }
        case WM_SYSCOMMAND:
            OnTopMostItem(window, wParam, ids::kSysSourceTopMost, session_.settings.AlwaysOnTopS);
            break;
        case WM_EXITSIZEMOVE:
            DockAfterMove(window, DockReference(owner_, views_.Window(ViewKind::Watch)),
                          session_.settings.Snapsize);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK SOURCEFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SourceWindow* self = FormOf<SourceWindow>(window, message, lParam);
    return self ? self->OnMessage(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace varnolux
