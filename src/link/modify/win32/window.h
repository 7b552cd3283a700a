#pragma once
// The Modify window ("ModifyForm_Class"): a small frame over the clicked Value
// cell with the value to edit, OK and Cancel. One at a time; owned by the main
// window.
#include <windows.h>

#include "seams/seams.h"
#include "state/session.h"
#include "vars/win32/main_list_view.h"

namespace varnolux {

constexpr int kModifyEdit = 4601;
constexpr int kModifyOk = 4602;
constexpr int kModifyCancel = 4603;
constexpr const char* kModifyClass = "ModifyForm_Class";

class ModifyWindow {
  public:
    ModifyWindow(Session& session, MainListView& list) : session_(session), list_(list) {}
    ~ModifyWindow() { Close(); }
    ModifyWindow(const ModifyWindow&) = delete;
    ModifyWindow& operator=(const ModifyWindow&) = delete;

    // A double click on the Value cell of `row` (OpenModifyWindow): closes an
    // open window and opens one on the row when its variable can be written.
    void Open(HWND owner, int row, int column);
    void Close();
    HWND Handle() const { return hwnd_; }

  private:
    friend LRESULT CALLBACK MODIFYFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Confirm();

    Session& session_;
    MainListView& list_;
    HWND hwnd_ = nullptr;  // ModifyWindow of the running program; none when closed
};

LRESULT CALLBACK MODIFYFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
