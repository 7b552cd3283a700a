#pragma once
// The About window (About_Class): modal over the main window while it shows.
#include <windows.h>

#include "views/about/about_box.h"
#include "views/frame/win32/frame_window.h"

namespace varnolux {

constexpr const char* kAboutClass = "About_Class";

class AboutWindow : public FrameWindow, private AboutFrame {
  public:
    AboutWindow();
    ~AboutWindow() override;

    // Nothing in it changes with the records.
    void Fill() override {}

  private:
    void OnCreate(HWND window) override;
    // Shows the window over its owner and disables the owner.
    bool Opened(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnClose(bool byProgram) override;
    void Paint(HWND window);

    // AboutFrame
    void Show() override;
    void EnableOwner(bool enabled) override;
    void Destroy() override;

    HFONT nameFont_ = nullptr;
    HICON icon_ = nullptr;
};

LRESULT CALLBACK ABOUT_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
