#include "views/sfr/win32/sfr_window.h"

#include "seams/win32/dpi_scale.h"
#include "views/frame/win32/form_frame.h"
#include "views/sfr/sfr_form.h"
#include "views/sfr/sfr_ids.h"

namespace varnolux {

namespace {

const Rect kCreated{94, 160, 94 + 676, 160 + 460};

}  // namespace

void SfrWindow::Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    HWND window = CreateWindowExA(0, ids::kSfrFormClass, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  kCreated.left, kCreated.top, kCreated.right - kCreated.left,
                                  kCreated.bottom - kCreated.top, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (window) Initialise();
}

void SfrWindow::OnCreate(HWND window) {
    display_ = CreateReportList(window, ids::kSfrDisplayList, 1, 2, 377, 425, WS_TABSTOP,
                                WS_EX_CLIENTEDGE);
    select_ = CreateReportList(window, ids::kSfrSelectList, 418, 2, 249, 425,
                               WS_TABSTOP | WS_VSCROLL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE);
    for (int c = 0; c < kSfrDisplayColumnCount; ++c)
        AddListColumn(display_, c, kSfrDisplayColumns[c].header,
                      kSfrDisplayColumns[c].createdWidth);
    for (int c = 0; c < kSfrSelectColumnCount; ++c)
        AddListColumn(select_, c, kSfrSelectColumns[c].header, kSfrSelectColumns[c].createdWidth);
    layout_.Attach(window);
    layout_.Anchor(display_, kAnchorLeft | kAnchorTop | kAnchorBottom);
    layout_.Anchor(select_, kAnchorAll);
}

void SfrWindow::Initialise() {
    HWND window = Handle();
    const std::string& ini = session_.project.settingsPath;
    const FormSettingsKeys& keys = SfrFormKeys();
    const Settings& settings = session_.settings;
    PlaceForm(
        window,
        PlaceFormWindow(ReadStoredRect(os_, ini, keys.section), ScaledSize(kCreated, ScreenDpi()),
                        DesktopWorkArea(), ProgramWindowRects(window)),
        settings.AlwaysOnTopSF == 1);
    AddTopMostItem(window, ids::kSysSfrTopMost, settings.AlwaysOnTopSF);
    font_ = CreateFixedFont(settings.FixedFont, settings.FontSizeSF);
    for (HWND list : {display_, select_}) {
        if (font_) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    }
    SetWindowTextA(window, "Varnolux   SFR");
    for (int c = 0; c < kSfrDisplayColumnCount + kSfrSelectColumnCount; ++c) {
        const bool display = c < kSfrDisplayColumnCount;
        SendMessageA(display ? display_ : select_, LVM_SETCOLUMNWIDTH,
                     display ? c : c - kSfrDisplayColumnCount,
                     ToScreen(ReadColumnWidth(os_, ini, keys.section, keys.columnKeys[c],
                                              kSfrDefaultWidth, 0)));
    }
}

void SfrWindow::Fill() {
    if (!Handle()) return;
    for (HWND list : {display_, select_}) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

void SfrWindow::OnClose() {
    HWND window = Handle();
    SaveFormSettings(SfrFormKeys(),
                     ReadCloseState(window, {{display_, kSfrDisplayColumnCount},
                                             {select_, kSfrSelectColumnCount}}),
                     session_.run.SaveOnExit.load(), os_, session_.project.settingsPath, prompts_);
    DestroyWindow(window);
}

void SfrWindow::OnDestroy() {
    hwnd_ = nullptr;
    display_ = select_ = nullptr;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

LRESULT SfrWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_NCCREATE:
            hwnd_ = window;
            break;
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_SYSCOMMAND:
            OnTopMostItem(window, wParam, ids::kSysSfrTopMost, session_.settings.AlwaysOnTopSF);
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

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SfrWindow* self = FormOf<SfrWindow>(window, message, lParam);
    return self ? self->OnMessage(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace varnolux
