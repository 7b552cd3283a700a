#pragma once
// The Pinout window (PinoutForm_Class): the device's pin-out picture at its
// natural size, drawn with the GDI+ flat interface; the client area takes the
// picture's size at every paint. PINOUTFORM_WNDPROC forwards to the one
// PinoutWindow object.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "layout/anchors.h"
#include "seams/seams.h"
#include "state/session.h"
#include "views/frame/win32/aux_window.h"

namespace varnolux {

constexpr const char* kPinoutClass = "PinoutForm_Class";

class PinoutWindow : public AuxWindow {
  public:
    PinoutWindow(Session& session, Seams& seams, HINSTANCE instance);

    HWND Handle() const override { return hwnd_.load(); }
    // OpenPinoutWindow's creation; "Error initializing GDI+" when the image
    // library does not start (the window stays open, empty).
    void Create(HWND owner) override;
    // The picture does not change with a dump; it is only painted again.
    void Fill() override;

  private:
    friend LRESULT CALLBACK PINOUTFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    // Sets the client area to this size, kept within the work area.
    void SetClientSize(ClientSize client);
    void OnClose();

    Session& session_;
    Seams& seams_;
    HINSTANCE instance_;
    std::atomic<HWND> hwnd_{nullptr};
    ULONG_PTR gdiplusToken_ = 0;  // 0 while the image library is not started
};

LRESULT CALLBACK PINOUTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
