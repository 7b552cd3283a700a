#pragma once
// The main window's variable list (control 101): its columns and styles, the
// subclass VARNOLUXMAIN_LISTVIEW1_SUBCLASSPROC, the notifications, custom
// drawing and the context menu (108). Every operation runs the portable list
// logic through RunListOperation.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <mutex>

#include "seams/seams.h"
#include "state/session.h"
#include "vars/list_context.h"
#include "vars/list_operation.h"
#include "vars/win32/owner_data_list.h"

namespace varnolux {

constexpr int kMainListColumns = 7;

class MainListView : public ListRunner {
  public:
    MainListView(Session& session, Seams& seams);
    ~MainListView();
    MainListView(const MainListView&) = delete;
    MainListView& operator=(const MainListView&) = delete;

    // Takes over the list view (created with LVS_OWNERDATA): extended styles,
    // the seven columns, the subclass.
    void Attach(HWND list);
    ReportList& List() { return *list_; }
    HWND Handle() const { return hwnd_; }
    // Runs `op` on the list through RunListOperation.
    void Run(const std::function<void(ListContext&)>& op) override;

    // Column widths from "Column0" .. "Column6" (0: the built-in width; the
    // Comment column is 0 wide while "ViewComments" is 0).
    void ApplyColumnWidths(const Settings& settings);

    // WM_NOTIFY from control 101; true when handled, with the result to return.
    bool OnNotify(const NMHDR& header, LRESULT* result);
    // WM_INITMENU: assembles the context menu when `menu` is it.
    void OnInitMenu(HMENU menu);
    // List commands and the Dec/Hex/Bin buttons; false for other IDs.
    bool OnCommand(int id);

    // Double click on a Value cell: the Modify window opens for the row.
    std::function<void(int row, int column)> openModify;

  private:
    friend LRESULT CALLBACK VARNOLUXMAIN_LISTVIEW1_SUBCLASSPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT Subclass(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    // Row and column under a point of the list's client area (-1 when none).
    void HitTest(POINT at, int* row, int* column) const;
    // The user toggled a row's check box.
    void CheckToggled(int row, bool checked);

    Session& session_;
    Seams& seams_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<OwnerDataList> list_;
    WNDPROC previous_ = nullptr;
    bool inOperation_ = false;
    // Set when the control itself toggled a check box since the last button
    // press; otherwise a click on a box is toggled here.
    bool boxToggled_ = false;
};

LRESULT CALLBACK VARNOLUXMAIN_LISTVIEW1_SUBCLASSPROC(HWND list, UINT message, WPARAM wParam,
                                                     LPARAM lParam);

}  // namespace varnolux
