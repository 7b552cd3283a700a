#include "views/pinout/win32/pinout_window.h"

#include <gdiplus.h>

#include <string>

#include "layout/free_place.h"
#include "views/frame/aux_placement.h"
#include "views/frame/win32/aux_frame.h"
#include "views/pinout/pinout.h"
#include "views/port/port_ids.h"

namespace varnolux {

namespace {

namespace gdip = Gdiplus::DllExports;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

std::wstring Wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

// The picture, loaded; released when the object goes.
class Picture {
  public:
    Picture(bool libraryStarted, const std::string& path) {
        if (!libraryStarted) return;
        if (gdip::GdipLoadImageFromFile(Wide(path).c_str(), &image_) != Gdiplus::Ok) {
            image_ = nullptr;
            return;
        }
        UINT width = 0, height = 0;
        if (gdip::GdipGetImageWidth(image_, &width) == Gdiplus::Ok &&
            gdip::GdipGetImageHeight(image_, &height) == Gdiplus::Ok)
            size_ = ClientSize{static_cast<int32_t>(width), static_cast<int32_t>(height)};
    }
    ~Picture() {
        if (image_) gdip::GdipDisposeImage(image_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // 0 x 0 when the file is missing or unreadable.
    ClientSize Size() const { return size_; }
    // At (0, 0), one picture pixel to one screen pixel whatever resolution the
    // file states.
    void Draw(HDC dc) const {
        if (!image_ || size_.width == 0 || size_.height == 0) return;
        Gdiplus::GpGraphics* graphics = nullptr;
        if (gdip::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return;
        gdip::GdipDrawImageRectI(graphics, image_, 0, 0, size_.width, size_.height);
        gdip::GdipDeleteGraphics(graphics);
    }

  private:
    Gdiplus::GpImage* image_ = nullptr;
    ClientSize size_;
};

RECT WindowRectFor(ClientSize client) {
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    return r;
}

}  // namespace

PinoutWindow::PinoutWindow(Session& session, Seams& seams, HINSTANCE instance)
    : session_(session), seams_(seams), instance_(instance) {}

void PinoutWindow::Create(HWND owner) {
    // The stored place; the size is the picture's from the first paint on.
    const RECT size = WindowRectFor(kPinoutDefaultClient);
    const int width = size.right - size.left, height = size.bottom - size.top;
    const Rect stored = ReadWindowRect(seams_.os, session_.project.settingsPath, kPinoutSection);
    const Rect work = DesktopWorkArea();
    const Rect r = IsEmpty(stored)
                       ? FreePlace(BesideOwner(WindowRectOf(owner), width, height, work),
                                   ProgramWindowRects(nullptr), work)
                       : FitIntoWorkArea(stored, work);
    HWND window = CreateWindowExA(0, kPinoutClass, "", kStyle, r.left, r.top, width, height, owner,
                                  nullptr, instance_, this);
    if (!window) return;
    AddTopMostItem(window, ids::kSysTopMostPortPinout, session_.settings.AlwaysOnTopPO);
    SetWindowTextA(window, "Varnolux   Pinout");
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) {
        gdiplusToken_ = 0;
        ShowWindow(window, SW_SHOWNORMAL);
        seams_.prompts.Inform("Error initializing GDI+");
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
}

void PinoutWindow::Fill() {
    if (HWND hwnd = hwnd_.load()) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CALLBACK PINOUTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<PinoutWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    auto* self = reinterpret_cast<PinoutWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT PinoutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_.load();
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_GETMINMAXINFO: {
            // The client area may shrink to nothing, for a missing picture.
            const RECT frame = WindowRectFor(ClientSize{0, 0});
            auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
            info.ptMinTrackSize = POINT{frame.right - frame.left, frame.bottom - frame.top};
            return 0;
        }
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            SetClientSize(kPinoutDefaultClient);
            break;
        case WM_SYSCOMMAND:
            OnTopMostItem(hwnd, wParam, ids::kSysTopMostPortPinout,
                          session_.settings.AlwaysOnTopPO);
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void PinoutWindow::SetClientSize(ClientSize client) {
    HWND hwnd = hwnd_.load();
    RECT now;
    GetWindowRect(hwnd, &now);
    const RECT frame = WindowRectFor(ClientSize{0, 0});
    const Rect window{now.left, now.top, now.right, now.bottom};
    const Rect wanted = PinoutWindowRect(
        window, client, ClientSize{frame.right - frame.left, frame.bottom - frame.top},
        DesktopWorkArea());
    if (wanted == window) return;
    SetWindowPos(hwnd, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                 wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PinoutWindow::OnPaint() {
    HWND hwnd = hwnd_.load();
    const Picture picture(gdiplusToken_ != 0, PinoutImagePath(session_.settings.Pinout,
                                                              session_.device.SourceDeviceName));
    SetClientSize(picture.Size());
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    picture.Draw(dc);
    EndPaint(hwnd, &paint);
}

void PinoutWindow::OnClose() {
    HWND hwnd = hwnd_.load();
    if (session_.run.SaveOnExit.load() == 1) {
        session_.settings.AlwaysOnTopPO = IsTopmost(hwnd) ? 1 : 0;
        Rect normal;
        if (NormalRect(hwnd, &normal))
            WritePinoutPlacement(seams_.os, session_.project.settingsPath, normal,
                                 session_.settings.AlwaysOnTopPO);
    }
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
    gdiplusToken_ = 0;
}

}  // namespace varnolux
