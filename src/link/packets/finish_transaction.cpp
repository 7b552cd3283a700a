#include "link/packets/finish_transaction.h"

#include <mutex>

#include "link/line/link_text.h"
#include "link/line/protocol.h"
#include "project/checks/consistency_checks.h"
#include "seams/main_ids.h"
#include "vars/record_update.h"

namespace varnolux {

namespace {

void TakeEndFields(Session& s, const TargetPacket& p) {
    std::lock_guard<std::mutex> lock(s.recordsLock);
    s.image.PreviousDumpId = s.image.DumpId;
    s.image.DumpId = p[2];
    s.identity.TargetVersionMajor = p[3];
    s.identity.TargetVersionMinor = p[4];
    s.run.TargetWaiting = p[5];
    s.link.EndWord1 = static_cast<uint16_t>((p[6] << 8) | p[7]);
    s.link.EndWord2 = static_cast<uint16_t>((p[8] << 8) | p[9]);
    s.link.EndByte22 = p[22];
    s.link.EndByte23 = p[23];
}

// Identity, version check and consistency checks: first end packet only.
void FirstTransaction(LinkContext& link, const TargetPacket& p) {
    Session& s = link.session;
    MainWindowView& view = link.seams.view;
    const std::string deviceText = TakeTargetIdentity(s, p);
    if (!deviceText.empty()) view.SetStatusText(3, deviceText);
    if (s.identity.TargetVersionMajor != kHostProtocolMajor)
        view.SetStatusText(0, " Host/client version mismatch");
    view.SetStatusText(1, ClientVersionText(s.identity));
    CheckProject(s, link.seams);
    s.run.NoDumpYet = 0;
}

std::string DumpPointText(const Session& s, int32_t dumpId) {
    if (dumpId < 0 || dumpId >= kDumpPointEntries) return std::string();
    return s.dumpPoints.entries[static_cast<size_t>(dumpId)].comment;
}

// Views frozen on a dump hold back the next dump's values until they show it,
// 500 ms at most: a window that is hidden or busy does not stop the link.
void WaitUntilFrozenDumpShown(LinkContext& link) {
    RunState& run = link.session.run;
    constexpr int kStepMs = 5, kMostMs = 500;
    for (int waited = 0; run.ViewsFrozen.load() == 1 && run.FrozenShown.load() == 0 &&
                         run.LinkStopRequest.load() == 0 && waited < kMostMs;
         waited += kStepMs)
        link.clock.sleepMs(kStepMs);
    run.FrozenShown = 1;
}

}  // namespace

void FinishTransaction(LinkContext& link, const TargetPacket& p) {
    Session& s = link.session;
    MainWindowView& view = link.seams.view;
    TakeEndFields(s, p);
    if (s.run.NoDumpYet.load() != 0) FirstTransaction(link, p);

    const int32_t dumpId = s.image.DumpId;
    view.SetControlText(ids::kDumpPointLabel,
                        " DumpID" + SignPadded(dumpId) + " : " + DumpPointText(s, dumpId));
    if (s.run.ResetSent.load() == 1) {
        view.SetControlText(ids::kTransitionLabel, std::string());
        s.run.ResetSent = 0;
    } else {
        view.SetControlText(ids::kTransitionLabel,
                            TransitionLabel(s.image.PreviousDumpId, dumpId, s.link.elapsedText));
    }
    link.seams.views.SetWatchDumpIdLabel(" DumpID " + SignPadded(dumpId));

    WaitUntilFrozenDumpShown(link);
    UpdateReport report;
    {
        std::lock_guard<std::mutex> lock(s.recordsLock);
        report = UpdateRecordsFromDump(s.records, s.image);
        if (link.keeper) link.keeper->KeepDump(s, link.clock.nowNs() / 1000);
    }
    ShowUpdateReport(report, link.seams.prompts, link.shownInternalErrors);

    if (s.run.CommsEstablished.load() == 0) {
        s.run.CommsEstablished = 1;
        // A version mismatch reported just now stays readable.
        if (s.identity.TargetVersionMajor == kHostProtocolMajor)
            view.SetStatusText(0, " Comms established");
    }
    s.run.NewDumpPending = 1;
}

}  // namespace varnolux
