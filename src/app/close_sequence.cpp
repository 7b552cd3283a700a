#include "app/close_sequence.h"

namespace varnolux {

namespace {

void StopLinkThread(RunState& run, const CloseSteps& steps) {
    if (!steps.linkRunning || !steps.linkRunning()) return;
    run.LinkStopRequest = 1;
    for (int check = 0; check < kLinkStopChecks && steps.linkRunning(); ++check) steps.pause();
}

}  // namespace

bool RunCloseSequence(Session& session, HostOs& os, const CloseSteps& steps) {
    StopLinkThread(session.run, steps);
    const bool watchOpen = steps.watchWindowOpen && steps.watchWindowOpen();
    session.settings.WatchVisible = watchOpen ? 1 : 0;
    bool saved = false;
    if (session.run.SaveOnExit == 1) {
        MainWindowSnapshot snap = steps.snapshot ? steps.snapshot() : MainWindowSnapshot{};
        snap.watchWindowOpen = watchOpen;
        saved = SaveSettingsOnClose(session, snap, os);
    }
    if (steps.closeAuxiliaryWindows) steps.closeAuxiliaryWindows();
    if (session.settings.UDTdisplay == 1 && steps.closeTraceFile) steps.closeTraceFile();
    return saved;
}

}  // namespace varnolux
