#pragma once
// A replay in Varnolux.exe's main window: the replay bar docked below the
// list, the status bar saying what is replayed and where it stands (part 0
// the position in place of the link's state, the last part, a recording's,
// the file; the port's part is empty, there is no port),
// Continue in the main and Watch windows stepping the replay, the live run
// control (Continuous, Repeat, Untill) greyed, and File -> "Close replay".
// Closing the replay ends the replay, not the program: the bar goes, the list
// takes its room back, the views keep the last dump shown, Continue stays
// grey and the status bar says " Replay closed".
#include <windows.h>

#include <string>

#include "app/win32/main_window.h"
#include "seams/seams.h"
#include "state/session.h"
#include "views/replay/replay_deck.h"
#include "views/replay/win32/replay_bar.h"

namespace varnolux {

// What the main window asks of a replay.
class MainReplayCommands {
  public:
    virtual ~MainReplayCommands() = default;
    // True when the replay took `id`: Continue, or "Close replay".
    virtual bool OnCommand(int id, int notification) = 0;
    virtual void OnInitMenu(HMENU menu) = 0;
};

class MainReplay : public MainReplayCommands, private ReplayBarOwner {
  public:
    // `path`: the recording's file.
    MainReplay(Session& session, Seams& seams, MainWindow& main, ReplayStepper& stepper,
               const ReplayRuleGate* gate, std::string path);
    // Docks the bar and shows the replay before its first dump.
    void Start(HINSTANCE instance);

    bool OnCommand(int id, int notification) override;
    void OnInitMenu(HMENU menu) override;

  private:
    void Stepped() override;
    void Close();
    void ShowPosition();

    Session& session_;
    Seams& seams_;
    MainWindow& main_;
    ReplayDeck deck_;
    ReplayBar bar_;
    std::string path_;
    bool open_ = false;
};

}  // namespace varnolux
