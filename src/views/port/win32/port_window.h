#pragma once
// The Port window (PortForm_Class): a header bar over a list of ports A to E
// and their bits, and a status bar with a note on TRIS. PORTFORM_WNDPROC
// forwards to the one PortWindow object; the rows, marks, colours and toggling
// are PortView's.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <memory>

#include "layout/win32/form_layout.h"
#include "seams/seams.h"
#include "state/session.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/aux_window.h"
#include "views/port/port_placement.h"
#include "views/port/port_view.h"

namespace varnolux {

constexpr const char* kPortClass = "PortForm_Class";

class PortWindow : public AuxWindow {
  public:
    PortWindow(Session& session, Seams& seams, HINSTANCE instance);

    HWND Handle() const override { return hwnd_.load(); }
    // OpenPortWindow's creation: placement, TopMost and expanded flags from
    // the settings, the marks started from the ports as they are.
    void Create(HWND owner) override;
    // RefreshPorts after a dump.
    void Fill() override;

  private:
    friend LRESULT CALLBACK PORTFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // port_window.cpp
    void OnCreate();
    void CreateControls();
    void OnClose();
    void OnDestroy();
    // port_window_list.cpp
    bool OnNotify(const NMHDR& header, LRESULT* result);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void OnHeaderChanged();
    // The list row under a point of the list's client area, or -1.
    int RowAt(POINT at) const;

    Session& session_;
    Seams& seams_;
    HINSTANCE instance_;
    std::atomic<HWND> hwnd_{nullptr};
    HWND header_ = nullptr;
    HWND list_ = nullptr;
    std::unique_ptr<Win32ReportList> rows_;
    PortView view_;
    PortPlacement placement_;
    FormLayout layout_;
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
};

LRESULT CALLBACK PORTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
