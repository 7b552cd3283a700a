#include "app/main_timers.h"

#include "project/checks/file_time_checks.h"
#include "vars/main_list.h"

namespace varnolux {

bool TakeNewDump(RunState& run, bool mainWindowVisible) {
    if (run.ProjectChosen != 1 || !mainWindowVisible) return false;
    int32_t pending = 1;
    return run.NewDumpPending.compare_exchange_strong(pending, 0);
}

bool TakeDumpToShow(RunState& run, bool mainWindowVisible, FrozenViews& frozen) {
    if (run.ViewsFrozen.load() != 1) {
        frozen.shown = false;
        return TakeNewDump(run, mainWindowVisible);
    }
    if (frozen.shown) return false;
    const bool take = TakeNewDump(run, mainWindowVisible);
    frozen.shown = take;
    return take;
}

bool BlinkTick(RunState& run, MainWindowView& view) {
    bool repaint = false;
    // A replay's Continue does not blink: its face follows the replay's steps.
    const bool live = run.Replaying == 0;
    if (live && run.TargetWaiting == 1) {
        run.BlinkPhase = run.BlinkPhase ? 0 : 1;
        repaint = true;
    } else if (live && run.NoDumpYet == 0 && run.RunningDrawn == 0) {
        // The target runs (first dump, Continue, or a run-on decision) but the
        // button still shows no face or its waiting face: paint "Running".
        repaint = true;
    }
    if (run.ProjectChosen == 0) {
        run.StatusBlink = run.StatusBlink ? 0 : 1;
        view.SetStatusText(0, run.StatusBlink ? kWaitingForFileSelection : "");
    }
    return repaint;
}

void RefreshAfterNewDump(Session& session, ListRunner& list, Seams& seams) {
    list.Run([](ListContext& c) { RefreshAfterDump(c); });
    seams.views.RefreshAfterDump();
    RecheckFileTimes(session, seams);
}

}  // namespace varnolux
