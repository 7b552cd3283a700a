#pragma once
// The Watch window (WatchForm_Class): the watched variables with their values
// and history, its own Continue button and "Continuous" box, and menu 2803
// whose commands the main window runs. One object per run; the window exists
// while it is open. Its handlers translate messages into calls of the portable
// models in views/ and are split over files by what they handle.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <memory>

#include "layout/win32/form_layout.h"
#include "seams/seams.h"
#include "state/session.h"
#include "vars/list_operation.h"
#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/aux_window.h"
#include "views/frame/win32/continue_button.h"
#include "views/watch/watch_popup.h"

namespace varnolux {

constexpr const char* kWatchClass = "WatchForm_Class";

class WatchWindow : public AuxWindow {
  public:
    // `mainList` runs the operations that change records, as the main list's
    // own commands do.
    WatchWindow(Session& session, Seams& seams, ListRunner& mainList,
                const ContinueBrushes& brushes);
    ~WatchWindow() override;
    WatchWindow(const WatchWindow&) = delete;
    WatchWindow& operator=(const WatchWindow&) = delete;

    HWND Handle() const override { return hwnd_.load(); }
    void Create(HWND owner) override;
    void Fill() override;

  private:
    friend LRESULT CALLBACK WATCHFORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK WATCHFORM_LISTVIEW_SUBCLASSPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // watch_window.cpp
    HWND WatchForm_Create(HWND owner);
    void CreateControls(HWND window);
    void Initialise();
    void SetHeader(int column, const std::string& text);
    // watch_window_commands.cpp
    void OnCommand(int id, int notification);
    void OnDepthChanged();
    // WM_CONTEXTMENU; false when it is left to default processing.
    bool OnContextMenu(HWND source, LPARAM screenPoint);
    void OnInitMenu(HMENU menu);
    void OnInitMenuPopup();
    void OnSysCommand(WPARAM command);
    // watch_window_list.cpp
    bool OnNotify(const NMHDR& header, LRESULT* result);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void OnHeaderRightClick();
    // watch_window_frame.cpp
    void OnExitSizeMove();
    void OnClose();
    void OnDestroy();

    HWND Control(int id) const { return GetDlgItem(hwnd_.load(), id); }

    Session& session_;
    Seams& seams_;
    ListRunner& mainList_;
    ContinueBrushes brushes_;
    HWND owner_ = nullptr;
    // Read by the link thread (the DumpID label) through Win32Views.
    std::atomic<HWND> hwnd_{nullptr};
    std::unique_ptr<Win32ReportList> list_;
    FormLayout layout_;
    HFONT listFont_ = nullptr;
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
