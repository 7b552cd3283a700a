#include "app/win32/main_replay.h"

#include <commctrl.h>

#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"

namespace varnolux {

namespace {

// The live link's run control, which a replay does not follow.
constexpr int kLiveRunControls[] = {ids::kContinuous, ids::kRepeatChooser, ids::kUntilChooser,
                                    ids::kUntilCount};

// The port's part of the status bar holds the recording's file: it grows
// into the recording's part, which a replay leaves empty.
void WidenFilePart(HWND main) {
    constexpr int kGrowth = 100;
    HWND status = GetDlgItem(main, ids::kStatusBar);
    int edges[8] = {};
    const int parts =
        static_cast<int>(SendMessageA(status, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
    for (int i = 2; i < parts && i < 8; ++i)
        if (edges[i] >= 0) edges[i] += ToScreen(kGrowth);
    SendMessageA(status, SB_SETPARTS, parts, reinterpret_cast<LPARAM>(edges));
}

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
    WidenFilePart(main_.Handle());
    seams_.view.SetStatusText(2, ReplayFileStatus(path_));
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
    // The link wrote its own state and port while it turned: the replay's shows again.
    seams_.view.SetStatusText(2, ReplayFileStatus(path_));
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
    seams_.view.SetStatusText(0, ReplayPositionStatus(deck_.Current(), deck_.Count()));
    seams_.view.RepaintControl(ids::kContinueButton);
    seams_.views.RepaintWatchContinue();
}

}  // namespace varnolux
