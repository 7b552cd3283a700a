#pragma once
// File -> "Record session..." and "Open recording...": the recording of the
// live link's traffic into a file the user names, shown in the status bar
// while it runs, and the start of a replay of a recording the user picks.
#include <windows.h>

#include <functional>
#include <string>

#include "link/recording/port.h"
#include "rules/stop_rules.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// What the main window asks of its File commands.
class MainFileCommands {
  public:
    virtual ~MainFileCommands() = default;
    // True when `id` was one of them.
    virtual bool OnCommand(int id) = 0;
    virtual void OnInitMenu(HMENU menu) = 0;
    virtual void OnTick() = 0;
    // The program ends: the recording is written out and closed.
    virtual void OnClose() = 0;
};

class SessionRecording : public MainFileCommands {
  public:
    // `replaying`: the program replays, there is no link to record.
    // `openReplay` starts the replay of the file named (the program restarts).
    // `rules`: the armed stop rules; with some that record, the recording may
    // keep only the traffic around their firings.
    SessionRecording(Session& session, Seams& seams, RecordingPort& recorder,
                     const rules::StopRules& rules, bool replaying,
                     std::function<void(const std::wstring&)> openReplay);
    void SetOwner(HWND main) { main_ = main; }

    bool OnCommand(int id) override;
    void OnInitMenu(HMENU menu) override;
    void OnTick() override;
    void OnClose() override { Stop(); }

  private:
    void Start();
    void Stop();
    void OpenRecording();

    Session& session_;
    Seams& seams_;
    RecordingPort& recorder_;
    const rules::StopRules& rules_;
    bool replaying_;
    std::function<void(const std::wstring&)> openReplay_;
    HWND main_ = nullptr;
    bool shown_ = false;   // the status bar names the recording
    bool around_ = false;  // only around the record rules' firings
    size_t aroundFiles_ = 0;
};

}  // namespace varnolux
