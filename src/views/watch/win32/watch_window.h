#pragma once
// The Watch window (WatchForm_Class): the watched variables with their values
// and history, its own Continue button and "Continuous" box, and menu 2803
// whose commands the main window runs. One object per run; the window exists
// while it is open. Its handlers translate messages into calls of the portable
// models in views/ and are split over files by what they handle.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "seams/seams.h"
#include "state/session.h"
#include "vars/list_operation.h"
#include "vars/win32/owner_data_list.h"
#include "views/frame/win32/continue_button.h"
#include "views/frame/win32/placed_window.h"
#include "views/watch/watch_popup.h"

namespace varnolux {

class WatchWindow : public PlacedWindow {
  public:
    // `mainList` runs the operations that change records, as the main list's
    // own commands do.
    WatchWindow(Session& session, Seams& seams, ListRunner& mainList,
                const ContinueBrushes& brushes);

    void Fill() override;

  private:
    friend LRESULT CALLBACK WATCHFORM_LISTVIEW_SUBCLASSPROC(HWND, UINT, WPARAM, LPARAM);

    // watch_window.cpp
    HMENU MenuBar() override;
    void OnCreate(HWND window) override;
    bool Initialise(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void SaveOnClose(FormCloseState frame, bool byProgram) override;
    void OnDestroy() override;
    void SetHeader(int column, const std::string& text);
    // watch_window_commands.cpp
    void OnCommand(int id, int notification);
    void OnDepthChanged();
    // WM_CONTEXTMENU; false when it is left to default processing.
    bool OnContextMenu(HWND source, LPARAM screenPoint);
    void OnInitMenu(HMENU menu);
    void OnInitMenuPopup();
    // watch_window_list.cpp
    bool OnNotify(const NMHDR& header, LRESULT* result);
    void OnHeaderRightClick();

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    Session& session_;
    Seams& seams_;
    ListRunner& mainList_;
    ContinueBrushes brushes_;
    std::unique_ptr<OwnerDataList> list_;
    int depth_ = 0;
    bool descending_ = false;
    bool ready_ = false;    // initialised: the depth box's changes count
    WatchClick click_;      // the last right click
    WatchClick menuClick_;  // the click the open popup was pruned for
};

LRESULT CALLBACK WATCHFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK WATCHFORM_LISTVIEW_SUBCLASSPROC(HWND list, UINT message, WPARAM wParam,
                                                 LPARAM lParam);

}  // namespace varnolux
