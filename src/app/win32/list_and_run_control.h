#pragma once
// The main window's variable list, Modify window, run-control controls and the
// menu items that go with them. The main window's handlers pass their messages
// here; each returns whether it handled the message.
#include <windows.h>

#include "app/run_control.h"
#include "link/modify/win32/window.h"
#include "seams/seams.h"
#include "state/session.h"
#include "vars/win32/main_list_view.h"
#include "views/frame/win32/continue_button.h"

namespace varnolux {

class ListAndRunControl {
  public:
    ListAndRunControl(Session& session, Seams& seams, const ContinueBrushes& brushes);

    // WM_CREATE, after the child controls exist: takes over the list (101).
    void Attach(HWND mainWindow);
    MainListView& List() { return list_; }
    // The list's steps of the project load: fill (with the sort order of a new
    // load), column widths, default radixes.
    void FillForNewProject();
    void ApplyColumnWidths() { list_.ApplyColumnWidths(session_.settings); }
    void SetAllRadix(int32_t addressRadix, int32_t dataRadix);

    bool OnNotify(const NMHDR& header, LRESULT* result) { return list_.OnNotify(header, result); }
    void OnInitMenu(HMENU menu) { list_.OnInitMenu(menu); }
    // WM_INITMENUPOPUP: enables and checks the main menu's items.
    void OnInitMenuPopup();
    bool OnCommand(int id, int notification);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);

  private:
    void ToggleComments();

    Session& session_;
    Seams& seams_;
    ContinueBrushes brushes_;
    HWND main_ = nullptr;
    MainListView list_;
    ModifyWindow modify_;
};

}  // namespace varnolux
