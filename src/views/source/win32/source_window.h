#pragma once
// The Source window ("SourceForm_Class"): the firmware source around the dump
// point at which the target stopped, its line marked yellow and scrolled into
// view, refreshed after every dump. It docks beside the main window (or the
// Watch window while the main window is minimised).
#include <windows.h>

#include <commctrl.h>

#include <atomic>

#include "layout/win32/form_layout.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/aux_window.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class SourceWindow : public AuxWindow {
  public:
    SourceWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
        : session_(session), os_(os), prompts_(prompts), views_(views) {}

    HWND Handle() const override { return hwnd_.load(); }
    void Create(HWND owner) override { SourceForm_Create(owner); }
    void Fill() override;

  private:
    friend LRESULT CALLBACK SOURCEFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    // Creates the window and runs its initialisation; a window whose
    // initialisation fails is closed at once. `owner` is the main window, the
    // window it docks to; the Source window stays shown when that is minimised.
    void SourceForm_Create(HWND owner);
    bool Initialise();
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate(HWND window);
    void OnClose();
    void OnDestroy();
    // Scrolls the freshly filled list so that the marked row stands at about
    // seven tenths of its height.
    void ScrollToHighlight(int rowCount);

    Session& session_;
    HostOs& os_;
    Prompts& prompts_;
    const Win32Views& views_;
    std::atomic<HWND> hwnd_{nullptr};
    HWND owner_ = nullptr;
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    int highlightRow_ = -1;
    FormLayout layout_;
};

LRESULT CALLBACK SOURCEFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
