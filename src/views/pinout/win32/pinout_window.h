#pragma once
// The Pinout window (PinoutForm_Class): the device's pin-out picture at its
// natural size, drawn with the GDI+ flat interface; the client area takes the
// picture's size at every paint. PINOUTFORM_WNDPROC forwards to the one
// PinoutWindow object.
#include <windows.h>

#include <cstdint>

#include "layout/anchors.h"
#include "seams/seams.h"
#include "state/session.h"
#include "views/frame/win32/placed_window.h"

namespace varnolux {

class PinoutWindow : public PlacedWindow {
  public:
    PinoutWindow(Session& session, Seams& seams, HINSTANCE instance);

    // The picture does not change with a dump; it is only painted again.
    void Fill() override;

  private:
    // "Error initializing GDI+" when the image library does not start (the
    // window stays open, empty).
    bool Initialise(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnPaint();
    // What the window's frame adds to its client area.
    ClientSize FrameSize() const;
    // Sets the client area to this size, kept within the work area.
    void SetClientSize(ClientSize client);
    void SaveOnClose(FormCloseState frame, bool byProgram) override;
    void OnDestroy() override;

    Session& session_;
    Seams& seams_;
    ULONG_PTR gdiplusToken_ = 0;  // 0 while the image library is not started
};

LRESULT CALLBACK PINOUTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
