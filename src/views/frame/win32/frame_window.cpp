#include "views/frame/win32/frame_window.h"

#include "layout/win32/maximised_place.h"
#include "seams/win32/window_object.h"

namespace varnolux {

namespace {

// WM_CLOSE's wParam when the close sequence closes the window.
constexpr WPARAM kClosedByProgram = 1;

}  // namespace

void FrameWindow::Create(HWND owner) {
    if (Handle()) return;
    owner_ = owner;
    const Rect at = BeforeCreate();
    HMENU menu = MenuBar();
    HWND window = CreateWindowExA(traits_.exStyle, traits_.className, traits_.title.c_str(),
                                  traits_.style, at.left, at.top, at.right - at.left,
                                  at.bottom - at.top, traits_.owned ? owner : nullptr, menu,
                                  GetModuleHandleA(nullptr), static_cast<FrameWindow*>(this));
    if (!window) {
        if (menu) DestroyMenu(menu);
        return;
    }
    if (!Opened(window)) DestroyWindow(window);
}

void FrameWindow::CloseByProgram() {
    SendMessageA(Handle(), WM_CLOSE, kClosedByProgram, 0);
}

void FrameWindow::OnClose(bool) {
    DestroyWindow(Handle());
}

LRESULT FrameWindow::Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameWindow* self = WindowObject<FrameWindow>(window, message, lParam);
    return self ? self->Dispatch(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT FrameWindow::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) hwnd_ = window;
    LRESULT result = 0;
    if (layout_.Handle(message, wParam, lParam, &result)) return result;
    if (OnMessage(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_SYSCOMMAND:
            if (OnSystemCommand(wParam)) return 0;
            break;
        case WM_EXITSIZEMOVE:
            OnMoved();
            return 0;
        case WM_GETMINMAXINFO:
            KeepCaptionOnScreen(window, *reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose(wParam == kClosedByProgram);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            hwnd_ = nullptr;
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace varnolux
