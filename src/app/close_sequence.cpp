#include "app/close_sequence.h"

namespace varnolux {

namespace {

void StopLinkThread(RunState& run, CloseSteps& steps) {
    if (!steps.LinkRunning()) return;
    run.LinkStopRequest = 1;
    for (int check = 0; check < kLinkStopChecks && steps.LinkRunning(); ++check) steps.Pause();
}

}  // namespace

bool RunCloseSequence(Session& session, HostOs& os, Prompts& prompts, Views& views,
                      CloseSteps& steps) {
    StopLinkThread(session.run, steps);
    const bool watchOpen = views.IsOpen(ViewKind::Watch);
    session.settings.WatchVisible = watchOpen ? 1 : 0;
    bool saved = false;
    if (session.run.SaveOnExit == 1) {
        MainWindowSnapshot snap = steps.Snapshot();
        snap.watchWindowOpen = watchOpen;
        saved = SaveSettingsOnClose(session, snap, os, prompts);
    }
    views.CloseAll();
    if (session.settings.UDTdisplay == 1) steps.CloseTraceFile();
    return saved;
}

}  // namespace varnolux
