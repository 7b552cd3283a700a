#include "cli/console/dump_snapshot.h"

#include <mutex>

#include "seams/main_ids.h"
#include "vars/value_format.h"

namespace varnolux::cli {

LoggedDump TakeDump(Session& session, const MainWindowView& view) {
    LoggedDump d;
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        d.DumpId = session.image.DumpId;
        d.PreviousDumpId = session.image.PreviousDumpId;
        for (const MyVarRecord& r : session.records) {
            if (r.VarValueInit != 1) continue;
            ValueTexts texts;
            if (!FormatValue(r, texts)) continue;
            d.values.push_back(LoggedValue{r.VarLabel, texts.value, texts.previous,
                                           r.VarPreviousInit == 1, r.VarType, r.VarValue,
                                           r.VarPrevious});
        }
    }
    d.elapsed = session.link.elapsedText;
    d.elapsedSeconds = session.link.elapsedSeconds;
    d.PacketCount = session.run.PacketCount.load();
    for (int part = 0; part < 4; ++part)
        d.status[static_cast<size_t>(part)] = view.StatusText(part);
    d.dumpPointLabel = view.ControlText(ids::kDumpPointLabel);
    d.transitionLabel = view.ControlText(ids::kTransitionLabel);
    return d;
}

void SetValueRadix(Session& session, int radix) {
    if (radix < DT_DECIMAL || radix > DT_BINARY) return;
    std::lock_guard<std::mutex> lock(session.recordsLock);
    for (MyVarRecord& r : session.records) r.VarDisplayType = radix;
}

}  // namespace varnolux::cli
