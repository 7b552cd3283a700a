#pragma once
// The replay bar: a strip docked in the main window below the list while a
// recording is replayed, with First, Previous, Next, Last, Play/Pause at the
// chosen speed, the "Dump n of N" label, Close, a slider over the recorded
// dumps and the count of answers that differ from the recorded ones. Each
// step turns the replay and then tells its owner, who refreshes the views as
// after a live dump. Close asks the main window to close the replay.
#include <windows.h>

#include "layout/win32/form_layout.h"
#include "views/replay/replay_deck.h"

namespace varnolux {

class ReplayBarOwner {
  public:
    virtual ~ReplayBarOwner() = default;
    // The replay moved to another dump.
    virtual void Stepped() = 0;
};

class ReplayBar {
  public:
    ReplayBar(ReplayDeck& deck, ReplayBarOwner& owner);
    ReplayBar(const ReplayBar&) = delete;
    ReplayBar& operator=(const ReplayBar&) = delete;

    // Creates the bar as control ids::kReplayBar of `parent`, at the top left
    // at its own size; the parent docks it.
    HWND Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return hwnd_; }
    // The next dump, as the bar's Next (Continue in a replay); Play pauses.
    void Step();
    // Play stops; the bar is destroyed.
    void Destroy();

  private:
    friend LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void CreateControls(HWND window);
    void Go(int dump);
    void TogglePlay();
    void OnPlayTimer();
    void ShowPosition();

    ReplayDeck& deck_;
    ReplayBarOwner& owner_;
    FormLayout layout_;
    HWND hwnd_ = nullptr;
};

LRESULT CALLBACK REPLAYBAR_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
