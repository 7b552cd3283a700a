#include "app/win32/main_replay.h"

#include "seams/main_ids.h"

namespace varnolux {

namespace {

// The live link's run control, which a replay does not follow.
constexpr int kLiveRunControls[] = {ids::kContinuous, ids::kRepeatChooser, ids::kUntilChooser,
                                    ids::kUntilCount};

}  // namespace

MainReplay::MainReplay(Session& session, Seams& seams, MainWindow& main, ReplayStepper& stepper,
                       const ReplayRuleGate* gate, std::string path)
    : session_(session),
      seams_(seams),
      main_(main),
      deck_(stepper, gate, session.run),
      bar_(deck_, *this),
      path_(std::move(path)) {}

void MainReplay::Start(HINSTANCE instance) {
    HWND bar = bar_.Create(main_.Handle(), instance);
    if (!bar) return;
    open_ = true;
    main_.DockBelowList(bar);
    for (int id : kLiveRunControls) seams_.view.EnableControl(id, false);
    ShowPosition();
}

bool MainReplay::OnCommand(int id, int notification) {
    if (id == ids::kContinueButton) {
        // Continue steps the replay; once it is closed there is nothing to go on to.
        if (open_ && notification == BN_CLICKED) bar_.Step();
        return true;
    }
    if (id != ids::kCmdCloseReplay) return false;
    Close();
    return true;
}

void MainReplay::OnInitMenu(HMENU menu) {
    EnableMenuItem(menu, ids::kCmdCloseReplay, MF_BYCOMMAND | (open_ ? MF_ENABLED : MF_GRAYED));
}

void MainReplay::Stepped() {
    main_.RefreshIfNewDump();
    ShowPosition();
}

void MainReplay::Close() {
    if (!open_) return;
    open_ = false;
    deck_.Close();
    main_.Undock(bar_.Handle());
    bar_.Destroy();
    SetFocus(GetDlgItem(main_.Handle(), ids::kVarList));
    seams_.view.SetStatusText(0, kReplayClosedStatus);
    seams_.view.RepaintControl(ids::kContinueButton);
    seams_.views.RepaintWatchContinue();
}

void MainReplay::ShowPosition() {
    // The link writes its state and port as it turns: the replay's show instead.
    seams_.view.SetStatusText(0, ReplayPositionStatus(deck_.Current(), deck_.Count()));
    seams_.view.SetStatusText(2, "");
    seams_.view.SetStatusText(ids::kStatusRecordingPart, ReplayFileStatus(path_));
    seams_.view.RepaintControl(ids::kContinueButton);
    seams_.views.RepaintWatchContinue();
}

}  // namespace varnolux
