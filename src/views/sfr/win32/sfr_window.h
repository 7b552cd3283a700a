#pragma once
// The SFR window ("SFRForm_Class"): a frame with a display list and a selection
// list, both empty, that keeps its place, column widths and TopMost state.
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

class SfrWindow : public AuxWindow {
  public:
    SfrWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
        : session_(session), os_(os), prompts_(prompts), views_(views) {}

    HWND Handle() const override { return hwnd_.load(); }
    // Created without an owner; `owner` is the main window it docks to.
    void Create(HWND owner) override;
    // RefreshSfrWindow: both lists' drawing off and on again; no content changes.
    void Fill() override;

  private:
    friend LRESULT CALLBACK SFRFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    void Initialise();
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate(HWND window);
    void OnClose();
    void OnDestroy();

    Session& session_;
    HostOs& os_;
    Prompts& prompts_;
    const Win32Views& views_;
    std::atomic<HWND> hwnd_{nullptr};
    HWND owner_ = nullptr;
    HWND display_ = nullptr;
    HWND select_ = nullptr;
    HFONT font_ = nullptr;
    FormLayout layout_;
};

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
