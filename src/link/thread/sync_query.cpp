#include "link/thread/sync_query.h"

#include <cstdlib>

#include "link/line/link_text.h"
#include "link/line/protocol.h"
#include "link/thread/host_requests.h"
#include "seams/main_ids.h"

namespace varnolux {

void HandleSync(LinkContext& link) {
    if (link.timerStart != 0) {
        const double seconds = static_cast<double>(link.clock.nowNs() - link.timerStart) / 1e9;
        link.session.link.elapsedText = ElapsedSeconds(seconds) + " secs";
        link.session.link.elapsedSeconds = seconds;
        link.timerStart = 0;
    }
    link.session.run.SyncSeen = 1;
    if (SendPendingRequest(link, link.session.settings.UpdatesBefore == 1)) return;
    WriteAnswer(link, kSyncAck, " Write SyncAck failed");
}

namespace {

// Counts an arrival at the Untill dump point down in the count field.
void CountUntilArrival(LinkContext& link) {
    RunState& run = link.session.run;
    MainWindowView& view = link.seams.view;
    const long count = std::strtol(view.ControlText(ids::kUntilCount).c_str(), nullptr, 10);
    if (count <= 1) {
        view.SetControlText(ids::kUntilCount, "00");
        run.AutoContinue = 0;
        run.UntilDumpId = -1;
        view.SetComboSelection(ids::kUntilChooser, 0);
        return;
    }
    std::string text = Plain(count - 1);
    if (text.size() < 2) text = "0" + text;
    view.SetControlText(ids::kUntilCount, text);
    run.AutoContinue = 1;
}

}  // namespace

bool DecideRunOn(LinkContext& link) {
    RunState& run = link.session.run;
    const int32_t dumpId = link.session.image.DumpId;
    run.AutoContinue = link.seams.view.IsChecked(ids::kContinuous) ? 1 : 0;
    const int32_t until = run.UntilDumpId.load();
    if (until != -1) {
        if (dumpId == until)
            CountUntilArrival(link);
        else
            run.AutoContinue = 1;
    }
    const int32_t repeat = run.RepeatDumpId.load();
    if (repeat != -1) run.AutoContinue = dumpId == repeat ? 0 : 1;
    // A stop rule that fired at this dump holds it, whatever else would go on.
    if (run.RuleHold.load() == 1) run.AutoContinue = 0;
    return run.TargetWaiting.load() == 0 || run.AutoContinue.load() == 1;
}

void HandleQuery(LinkContext& link) {
    if (SendPendingRequest(link, link.session.settings.UpdatesAfter == 1)) return;
    const bool runOn = DecideRunOn(link);
    if (link.session.run.SyncSeen.load() == 0) {
        WriteAnswer(link, kWaitAck, " Write WaitAck 2 failed");
        return;
    }
    if (runOn) {
        WriteAnswer(link, kWaitAck, " Write WaitAck 1 failed");
        StartRunTimer(link);
    } else {
        WriteAnswer(link, kWaitNak, " Write WaitNak 1 failed");
    }
}

}  // namespace varnolux
