#pragma once
// Varnolux.exe's side of the load sequence: the steps the main window, its
// list and the serial link contribute, and the link thread they start. The
// link's port is a recording port from the start, recording off, so a
// recording starts and stops at any time. A replay takes the link's place:
// no serial port is opened and the recording's dumps are stepped through on
// the UI thread. Either way the Plot window's feed is handed every dump and
// the stop rules, read from the settings and armed, judge the dumps.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win32/main_window.h"
#include "link/ports/addressed_port.h"
#include "link/recording/port.h"
#include "link/replay/stepper.h"
#include "link/thread/link_startup.h"
#include "project/load/sequence.h"
#include "rules/rule_judge.h"
#include "seams/seams.h"
#include "state/session.h"
#include "views/plot/plot_feed.h"
#include "views/replay/replay_rule_gate.h"

namespace varnolux {

// The serial port, the link thread's record and the keepers of each dump (the
// Plot's feed, then the stop rules' judge), built before the steps that use them.
struct MainLinkParts {
    MainLinkParts(HostOs& os, RunState& run, PlotFeed& plot, rules::StopRules& rules)
        : recorder(port, os),
          judge(rules, run, &recorder, true),
          keepers({&plot, &judge}),
          replayGate(judge, rules, run),
          replayKeepers({&plot, &replayGate}) {}
    AddressedPort port;      // the settings' Port, once they are read
    RecordingPort recorder;  // the link's port: writes the traffic while a recording is on
    rules::RuleJudge judge;
    rules::DumpKeepers keepers;
    // A replay's dumps: every one to the Plot, each recorded one once to the rules.
    ReplayRuleGate replayGate;
    rules::DumpKeepers replayKeepers;
    LinkStartup startup;
};

class MainLoad : private MainLinkParts, private LinkLoadSteps {
  public:
    // `rules` are judged at every dump of the link; `armRules` arms them for a
    // loaded project before its link starts.
    MainLoad(Session& session, Seams& seams, MainWindow& main, PlotFeed& plot,
             rules::StopRules& rules, std::function<void()> armRules);

    // The load replays `contents` (kept by the caller) instead of opening the port.
    void ReplayFrom(const RecordingContents& contents);
    // The replay's stepper once the load opened it; null on a live link.
    ReplayStepper* Replay() const { return stepper_.get(); }
    // The gate the replay's dumps pass on their way to the stop rules.
    const ReplayRuleGate& ReplayRules() const { return replayGate; }
    RecordingPort& Recorder() { return recorder; }

    // The load of the main initialisation; false when the program is to end.
    bool AtStartup();
    // The user confirmed an entry of the project chooser.
    void ProjectChosen(const std::string& entryText);
    // Asks a blocked link thread to wake up; true while it still runs.
    bool LinkRunning();

  private:
    // LoadSteps of the main window and its list.
    void ShowMainWindow() override;
    void FocusProjectChooser() override;
    void EnableCommands() override;
    void FillMainList() override { main_.ListAndRun().FillForNewProject(); }
    void ApplyColumnWidths() override { main_.ListAndRun().ApplyColumnWidths(); }
    void SetAllRadix(int32_t addressRadix, int32_t dataRadix) override {
        main_.ListAndRun().SetAllRadix(addressRadix, dataRadix);
    }
    // The link's steps, or the replay's.
    bool ConfirmComPort() override;
    void OpenLink() override;
    void StartLinkThread() override;
    std::string PortName(int32_t portNumber) const override;

    MainWindow& main_;
    PlotFeed& plot_;
    std::function<void()> armRules_;
    const RecordingContents* replayed_ = nullptr;
    std::unique_ptr<ReplayStepper> stepper_;
};

}  // namespace varnolux
