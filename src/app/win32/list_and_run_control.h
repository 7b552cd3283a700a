#pragma once
// The main window's variable list, Modify window, run-control controls and the
// menu items that go with them. The main window's handlers pass their messages
// here; each returns whether it handled the message.
#include <windows.h>

#include "app/run_control.h"
#include "app/win32/continue_button.h"
#include "link/win32/modify_window.h"
#include "project/load_sequence.h"
#include "state/session.h"
#include "ui/seams.h"
#include "vars/win32/main_list_view.h"

namespace varnolux {

class ListAndRunControl {
  public:
    ListAndRunControl(Session& session, Seams& seams, const ContinueBrushes& brushes);

    // WM_CREATE, after the child controls exist: takes over the list (101).
    void Attach(HWND mainWindow);
    MainListView& List() { return list_; }
    // The list's steps of the project load: fill (with the sort order of a new
    // load), column widths, default radixes.
    void FillLoadHooks(LoadHooks& hooks);
    RunControlHooks& Hooks() { return hooks_; }

    bool OnNotify(const NMHDR& header, LRESULT* result) { return list_.OnNotify(header, result); }
    void OnInitMenu(HMENU menu) { list_.OnInitMenu(menu); }
    // WM_INITMENUPOPUP: enables and checks the main menu's items.
    void OnInitMenuPopup();
    bool OnCommand(int id, int notification);
    // Timer 1 found a completed dump.
    void OnNewDump() { list_.RefreshAfterDump(); }
    bool OnDrawItem(const DRAWITEMSTRUCT& item);

  private:
    void ToggleComments();

    Session& session_;
    Seams& seams_;
    ContinueBrushes brushes_;
    HWND main_ = nullptr;
    MainListView list_;
    ModifyWindow modify_;
    RunControlHooks hooks_;
};

}  // namespace varnolux
