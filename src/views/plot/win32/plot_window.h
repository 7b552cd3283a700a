#pragma once
// The Plot window ("PlotForm_Class"): the watched variables drawn across the
// dumps. Its feed keeps every dump while the program runs, open or not; the
// window takes what came at each refresh and draws what the portable model
// lays out into an off-screen bitmap.
#include <windows.h>

#include <optional>
#include <string>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/placed_window.h"
#include "views/plot/plot_axis.h"
#include "views/plot/plot_feed.h"
#include "views/plot/plot_layout.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class PlotWindow : public PlacedWindow, public DumpRecorder {
  public:
    PlotWindow(Session& session, HostOs& os, Prompts& prompts, PlotFeed& feed);

    // Takes the dumps that came since and redraws.
    void Fill() override;

    // Marks the dump a stop rule held or froze the views at, taken at
    // `seconds` on the link's clock, with `label`; none: no mark. The dumps
    // that came since are taken, so the mark is in view.
    void MarkDump(std::optional<double> seconds, const std::string& label);

    void NoteWatchChange() override;
    void ClearRecord() override;

  private:
    static constexpr int kStatusHeight = 20;  // the cursor's line below the plot

    void ReadKeys() override;
    HMENU MenuBar() override;
    // Its status line, and every dump in view.
    void OnCreate(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void SaveOnClose(FormCloseState frame, bool byProgram) override;
    void OnDestroy() override;
    void OnCommand(int id);
    void OnSize();
    void OnMouse(UINT message, WPARAM wParam, int x, int y);
    void OnWheel(WPARAM wParam, int screenX, int screenY);
    void OnKey(WPARAM key);
    void UpdateMenu();
    void ShowCursorText();

    // Drawing (plot_window_paint.cpp).
    RECT PlotClient() const;
    void Paint();
    void DrawInto(HDC dc, int width, int height);

    // Export (plot_window_export.cpp).
    void SavePicture();
    void SaveData();

    Session& session_;
    HostOs& os_;
    Prompts& prompts_;
    PlotFeed& feed_;
    PlotStore& store_;  // the feed's
    HWND status_ = nullptr;
    PlotViewState view_;
    PlotPicture picture_;  // as last drawn: the pixel to axis mapping for the mouse
    std::optional<size_t> cursor_;
    bool dragging_ = false;
    int dragFrom_ = 0;
    int dragTo_ = 0;
    int32_t topMost_ = 0;         // "AlwaysOnTop" of its own section
    std::optional<double> mark_;  // a stop rule's dump
    std::string markLabel_;
};

LRESULT CALLBACK PLOTFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
