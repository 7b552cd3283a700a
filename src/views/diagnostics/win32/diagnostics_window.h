#pragma once
// The record diagnostics window (UDTDiag_Class): every record with every field,
// as it was at the last press of its "Refresh" button.
#include <windows.h>

#include <memory>

#include "state/session.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/frame_window.h"

namespace varnolux {

constexpr const char* kDiagnosticsClass = "UDTDiag_Class";

class DiagnosticsWindow : public FrameWindow {
  public:
    // A window of its own, not owned by the main window.
    explicit DiagnosticsWindow(Session& session);

    // Its rows change only by its "Refresh" button.
    void Fill() override {}

  private:
    void OnCreate(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnDestroy() override { list_.reset(); }
    void Refresh();
    void FitColumnsToContents();

    Session& session_;
    std::unique_ptr<Win32ReportList> list_;
};

LRESULT CALLBACK UDTDIAG_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
