#pragma once
// The record diagnostics window (UDTDiag_Class): every record with every field,
// as it was at the last press of its "Refresh" button.
#include <windows.h>

#include <atomic>
#include <memory>

#include "layout/win32/form_layout.h"
#include "state/session.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/aux_window.h"

namespace varnolux {

constexpr const char* kDiagnosticsClass = "UDTDiag_Class";

class DiagnosticsWindow : public AuxWindow {
  public:
    explicit DiagnosticsWindow(Session& session) : session_(session) {}

    HWND Handle() const override { return hwnd_.load(); }
    // A window of its own, not owned by the main window.
    void Create(HWND owner) override;
    // Its rows change only by its "Refresh" button.
    void Fill() override {}

  private:
    friend LRESULT CALLBACK UDTDIAG_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HWND window);
    void Refresh();
    void FitColumnsToContents();

    Session& session_;
    std::atomic<HWND> hwnd_{nullptr};
    std::unique_ptr<Win32ReportList> list_;
    FormLayout layout_;
};

LRESULT CALLBACK UDTDIAG_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
