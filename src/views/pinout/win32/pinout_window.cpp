#include "views/pinout/win32/pinout_window.h"

#include <gdiplus.h>

#include <string>

#include "seams/win32/wide_text.h"
#include "views/frame/win32/window_rects.h"
#include "views/pinout/pinout.h"
#include "views/port/port_ids.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

namespace gdip = Gdiplus::DllExports;

// The picture, loaded; released when the object goes.
class Picture {
  public:
    Picture(bool libraryStarted, const std::string& path) {
        if (!libraryStarted) return;
        if (gdip::GdipLoadImageFromFile(WideFromCodePage(path).c_str(), &image_) != Gdiplus::Ok) {
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

}  // namespace

PinoutWindow::PinoutWindow(Session& session, Seams& seams, HINSTANCE)
    : PlacedWindow(WindowFrameOf(ViewKind::Pinout), session, seams.os, seams.prompts,
                   session.settings.AlwaysOnTopPO),
      session_(session),
      seams_(seams) {}

bool PinoutWindow::Initialise(HWND window) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) == Gdiplus::Ok) return true;
    gdiplusToken_ = 0;
    ShowWindow(window, SW_SHOWNORMAL);
    seams_.prompts.Inform("Error initializing GDI+");
    return true;
}

void PinoutWindow::Fill() {
    if (HWND hwnd = Handle()) InvalidateRect(hwnd, nullptr, FALSE);
}

bool PinoutWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_GETMINMAXINFO: {
            // The client area may shrink to nothing, for a missing picture.
            const ClientSize frame = FrameSize();
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize =
                POINT{frame.width, frame.height};
            return true;
        }
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            SetClientSize(kPinoutDefaultClient);
            return false;
        default:
            return false;
    }
}

ClientSize PinoutWindow::FrameSize() const {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, Traits().style, FALSE, Traits().exStyle);
    return ClientSize{r.right - r.left, r.bottom - r.top};
}

void PinoutWindow::SetClientSize(ClientSize client) {
    HWND hwnd = Handle();
    const Rect window = WindowRectOf(hwnd);
    const Rect wanted = PinoutWindowRect(window, client, FrameSize(), DesktopWorkArea());
    if (!(wanted == window)) MoveTo(hwnd, wanted);
}

void PinoutWindow::OnPaint() {
    HWND hwnd = Handle();
    const Picture picture(gdiplusToken_ != 0, PinoutImagePath(session_.settings.Pinout,
                                                              session_.device.SourceDeviceName));
    SetClientSize(picture.Size());
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    picture.Draw(dc);
    EndPaint(hwnd, &paint);
}

void PinoutWindow::SaveOnClose(FormCloseState frame, bool) {
    if (!SavesOnExit()) return;
    session_.settings.AlwaysOnTopPO = frame.topmost ? 1 : 0;
    if (frame.placementAvailable)
        ReportSettingsWrite(WritePinoutPlacement(seams_.os, session_.project.settingsPath,
                                                 frame.normal, session_.settings.AlwaysOnTopPO),
                            session_.run.SettingsWriteReported, seams_.prompts,
                            session_.project.settingsPath);
}

void PinoutWindow::OnDestroy() {
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
    gdiplusToken_ = 0;
}

LRESULT CALLBACK PINOUTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
