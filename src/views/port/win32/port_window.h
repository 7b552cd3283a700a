#pragma once
// The Port window (PortForm_Class): a header bar over a list of ports A to E
// and their bits, and a status bar with a note on TRIS. PORTFORM_WNDPROC
// forwards to the one PortWindow object; the rows, marks, colours and toggling
// are PortView's.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "seams/seams.h"
#include "state/session.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/placed_window.h"
#include "views/port/port_placement.h"
#include "views/port/port_view.h"

namespace varnolux {

class PortWindow : public PlacedWindow {
  public:
    PortWindow(Session& session, Seams& seams, HINSTANCE instance);

    // RefreshPorts after a dump.
    void Fill() override;

  private:
    // port_window.cpp: its keys, read when it opens (the marks start from the
    // ports as they are), and written when it closes.
    void ReadKeys() override;
    void OnCreate(HWND window) override;
    void CreateControls(HWND window);
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void SaveOnClose(FormCloseState frame, bool byProgram) override;
    void OnDestroy() override;
    // port_window_list.cpp
    bool OnNotify(const NMHDR& header, LRESULT* result);
    void OnHeaderChanged();
    // The list row under a point of the list's client area, or -1.
    int RowAt(POINT at) const;

    Session& session_;
    Seams& seams_;
    HINSTANCE instance_;
    HWND header_ = nullptr;
    HWND list_ = nullptr;
    std::unique_ptr<Win32ReportList> rows_;
    PortView view_;
    PortPlacement placement_;
    HIMAGELIST images_ = nullptr;
};

LRESULT CALLBACK PORTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
