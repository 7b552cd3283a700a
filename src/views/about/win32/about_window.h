#pragma once
// The About window (About_Class): modal over the main window while it shows.
#include <windows.h>

#include <atomic>

#include "views/about/about_box.h"
#include "views/frame/win32/aux_window.h"

namespace varnolux {

constexpr const char* kAboutClass = "About_Class";

class AboutWindow : public AuxWindow, private AboutFrame {
  public:
    AboutWindow() = default;
    ~AboutWindow() override;
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    HWND Handle() const override { return hwnd_.load(); }
    // Creates the window over `owner`, shows it and disables the owner.
    void Create(HWND owner) override;
    // Nothing in it changes with the records.
    void Fill() override {}

  private:
    friend LRESULT CALLBACK ABOUT_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HWND window);
    void Paint(HWND window);

    // AboutFrame
    void Show() override;
    void EnableOwner(bool enabled) override;
    void Destroy() override;

    HWND owner_ = nullptr;
    std::atomic<HWND> hwnd_{nullptr};
    HFONT nameFont_ = nullptr;
    HICON icon_ = nullptr;
};

LRESULT CALLBACK ABOUT_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
