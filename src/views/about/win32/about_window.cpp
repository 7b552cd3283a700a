#include "views/about/win32/about_window.h"

#include "seams/main_ids.h"
#include "views/frame/win32/child_controls.h"
#include "views/frame/win32/point_font.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

constexpr int kNameLabel = 1902;
constexpr int kVersionLabel = 1904;
constexpr int kCloseButton = 8;
constexpr POINT kIconAt{20, 8};

const ChildControl kControls[] = {
    {kNameLabel, "STATIC", kProgramName, SS_LEFT, 0, ControlBox{68, 2, 151, 41}, 0},
    {-1, "STATIC", kAboutPurpose, SS_LEFTNOWORDWRAP, 0, ControlBox{224, 22, 251, 18}, 0},
    {-1, "STATIC", "Version :", SS_LEFT, 0, ControlBox{23, 76, 56, 18}, 0},
    {kVersionLabel, "STATIC", "", SS_LEFT, 0, ControlBox{91, 76, 85, 18}, 0},
    {kCloseButton, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
     ControlBox{337, 114, 93, 28}, 0},
};

}  // namespace

AboutWindow::AboutWindow() : FrameWindow(WindowFrameOf(ViewKind::About).traits) {}

AboutWindow::~AboutWindow() {
    if (nameFont_) DeleteObject(nameFont_);
}

bool AboutWindow::Opened(HWND window) {
    SetWindowTextA(GetDlgItem(window, kVersionLabel), kVersionText);
    OpenAbout(*this);
    return true;
}

bool AboutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_PAINT:
            Paint(Handle());
            return true;
        case WM_COMMAND:
            // Close, whatever its notification.
            if (LOWORD(wParam) == kCloseButton) CloseAbout(*this);
            return true;
        default:
            return false;
    }
}

void AboutWindow::OnClose(bool) {
    CloseAbout(*this);
}

void AboutWindow::OnCreate(HWND window) {
    if (!nameFont_) nameFont_ = CreatePointFont("Tahoma", 20);
    if (!icon_) icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ids::kIconMain));
    CreateChildControls(window, kControls, nullptr);
    if (nameFont_)
        SendMessageA(GetDlgItem(window, kNameLabel), WM_SETFONT,
                     reinterpret_cast<WPARAM>(nameFont_), FALSE);
}

void AboutWindow::Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // The icon at its own size, the system's icon size.
    if (icon_) DrawIcon(dc, kIconAt.x, kIconAt.y, icon_);
    EndPaint(window, &paint);
}

void AboutWindow::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void AboutWindow::EnableOwner(bool enabled) {
    if (Owner()) EnableWindow(Owner(), enabled ? TRUE : FALSE);
}

void AboutWindow::Destroy() {
    if (HWND window = Handle()) DestroyWindow(window);
}

LRESULT CALLBACK ABOUT_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
