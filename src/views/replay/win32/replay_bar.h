#pragma once
// The replay bar: a small window over the main window while a recording is
// replayed, with First, Previous, Next, Last, a slider over the recorded dumps
// and the "Dump n of N" label. Each step turns the replay and then tells its
// owner, who refreshes the views as after a live dump.
#include <windows.h>

#include <atomic>
#include <functional>

#include "link/replay_stepper.h"

namespace varnolux {

class ReplayBar {
  public:
    ReplayBar(ReplayStepper& stepper, std::function<void()> stepped);
    ReplayBar(const ReplayBar&) = delete;
    ReplayBar& operator=(const ReplayBar&) = delete;

    // Creates and shows the bar below `owner`, titled with the recording's name.
    HWND Create(HWND owner, HINSTANCE instance, const std::string& title);
    HWND Handle() const { return hwnd_.load(); }

  private:
    friend LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HWND window);
    void Go(int dump);
    void ShowPosition();

    ReplayStepper& stepper_;
    std::function<void()> stepped_;
    std::atomic<HWND> hwnd_{nullptr};
};

LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
