#pragma once
// The main window: one object per run, reached from VARNOLUXMAIN_WNDPROC through
// the window's user data. Its handlers translate messages into calls of the
// portable logic; they are split over files by what they handle.
#include <windows.h>

#include <functional>

#include "app/main_initialisation.h"
#include "app/main_timers.h"
#include "app/settings_io.h"
#include "app/win32/list_and_run_control.h"
#include "layout/win32/form_layout.h"
#include "seams/seams.h"
#include "seams/win32/win32_main_window_view.h"
#include "state/session.h"

namespace varnolux {

class MainFileCommands;
class MainReplayCommands;
class MainRules;

// The three brushes that paint the Continue button, created once at start-up.
struct ShellBrushes {
    HBRUSH blue = nullptr;
    HBRUSH yellow = nullptr;
    HBRUSH buttonFace = nullptr;
};

class MainWindow : public MainWindowShell {
  public:
    MainWindow(Session& session, Seams& seams, Win32MainWindowView& view,
               const ShellBrushes& brushes);

    // Creates the window hidden, with menu 103 and every child control.
    HWND Create(HINSTANCE instance);
    // The main initialisation; false when start-up is to end.
    bool Initialise(const LoadSequence& load);
    HWND Handle() const { return hwnd_; }
    // The variable list, the Modify window and run control.
    ListAndRunControl& ListAndRun() { return listAndRun_; }
    // Tells the close sequence whether the link thread still runs.
    void WatchLinkThread(std::function<bool()> running) { linkRunning_ = std::move(running); }
    // Called with the entry's text when the user confirms a project in the chooser.
    void OnProjectChosen(std::function<void(const std::string&)> chosen) {
        projectChosen_ = std::move(chosen);
    }

    // Record session and Open recording in the File menu.
    void SetFileCommands(MainFileCommands* commands) { fileCommands_ = commands; }
    // The stop rules: their firings at each refresh tick, their save at closing.
    void SetRules(MainRules* rules) { rules_ = rules; }
    // A replay: Continue and "Close replay" go to it.
    void SetReplay(MainReplayCommands* replay) { replay_ = replay; }
    // Docks `bar` (a child at its own height) below the list: the list gives
    // up the bar's height, the bar takes the list's width and both follow the
    // window's size from then on. Undock gives the list its room back.
    void DockBelowList(HWND bar);
    void Undock(HWND bar);
    // Refreshes every view when a dump was completed since the last refresh,
    // as the refresh timer does; a replay's step calls it at once.
    void RefreshIfNewDump();

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Placement, topmost state and column widths for the settings file.
    MainWindowSnapshot Snapshot() const;

    // MainWindowShell
    Rect WorkArea() const override;
    void PlaceHidden(const Rect& normal) override;
    void SetTopmost(bool topmost) override;
    void SetListFont(const std::string& face, int32_t points) override;
    void AddTopMostItem(const std::string& text) override;
    int32_t Dpi() const override;

  private:
    friend LRESULT CALLBACK VARNOLUXMAIN_WNDPROC(HWND, UINT, WPARAM, LPARAM);

    // main_window_create.cpp
    void OnCreate();
    void CreateControls();
    void AnchorControls();
    // main_window_commands.cpp
    void OnCommand(int id, int notification);
    void OnSysCommand(WPARAM command);
    void OnContextMenu(LPARAM screenPoint);
    void OnInitMenuPopup();
    // main_window_timers.cpp
    void OnTimer(UINT_PTR id);
    void RefreshAfterDump();
    void RepaintContinueButtons();
    // main_window_paint.cpp
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    // main_window_frame.cpp
    void OnExitSizeMove();
    void OnGetMinMaxInfo(MINMAXINFO& info);
    // main_window_close.cpp
    void OnClose();
    void OnDestroy();

    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

    Session& session_;
    Seams& seams_;
    Win32MainWindowView& view_;
    ShellBrushes brushes_;
    ListAndRunControl listAndRun_;
    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HFONT listFont_ = nullptr;
    FormLayout layout_;
    std::function<bool()> linkRunning_;
    std::function<void(const std::string&)> projectChosen_;
    MainFileCommands* fileCommands_ = nullptr;
    MainRules* rules_ = nullptr;
    MainReplayCommands* replay_ = nullptr;
    FrozenViews frozen_;
    bool closing_ = false;
};

LRESULT CALLBACK VARNOLUXMAIN_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
