#include "views/about/win32/about_window.h"

#include "seams/main_ids.h"
#include "views/frame/win32/point_font.h"

namespace varnolux {

namespace {

constexpr int kNameLabel = 1902;
constexpr int kVersionLabel = 1904;
constexpr int kCloseButton = 8;
constexpr POINT kIconAt{20, 8};

struct AboutControl {
    int id;
    const char* windowClass;
    const char* text;
    DWORD style;
    int x, y, width, height;
};

const AboutControl kControls[] = {
    {kNameLabel, "STATIC", kProgramName, SS_LEFT, 68, 2, 151, 41},
    {-1, "STATIC", kAboutPurpose, SS_LEFTNOWORDWRAP, 224, 22, 251, 18},
    {-1, "STATIC", "Version :", SS_LEFT, 23, 76, 56, 18},
    {kVersionLabel, "STATIC", "", SS_LEFT, 91, 76, 85, 18},
    {kCloseButton, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 337, 114, 93, 28},
};

HMENU AsMenu(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

AboutWindow::~AboutWindow() {
    if (nameFont_) DeleteObject(nameFont_);
}

void AboutWindow::Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, kAboutClass,
                                  AboutTitle().c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 213,
                                  160, 484, 195, owner, nullptr, instance, this);
    if (!window) return;
    SetWindowTextA(GetDlgItem(window, kVersionLabel), kVersionText);
    OpenAbout(*this);
}

LRESULT CALLBACK ABOUT_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<AboutWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(window, message, wParam, lParam);
}

LRESULT AboutWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_COMMAND:
            // Close, whatever its notification.
            if (LOWORD(wParam) == kCloseButton) CloseAbout(*this);
            return 0;
        case WM_CLOSE:
            CloseAbout(*this);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void AboutWindow::CreateControls(HWND window) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    if (!nameFont_) nameFont_ = CreatePointFont("Tahoma", 20);
    if (!icon_) icon_ = LoadIconA(instance, MAKEINTRESOURCEA(ids::kIconMain));
    for (const AboutControl& c : kControls) {
        HWND control =
            CreateWindowExA(0, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y,
                            c.width, c.height, window, AsMenu(c.id), instance, nullptr);
        const bool name = c.id == kNameLabel && nameFont_;
        SendMessageA(control, WM_SETFONT, name ? reinterpret_cast<WPARAM>(nameFont_) : font, FALSE);
    }
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
    if (owner_) EnableWindow(owner_, enabled ? TRUE : FALSE);
}

void AboutWindow::Destroy() {
    if (HWND window = Handle()) DestroyWindow(window);
}

}  // namespace varnolux
