#include "app/run_control.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "seams/main_ids.h"

namespace varnolux {

namespace {

// The DumpID of the chooser's selected entry; -1 for the first entry or none.
int ChosenDumpId(const MainWindowView& view, int chooser) {
    const int selection = view.ComboSelection(chooser);
    if (selection <= 0) return -1;
    const std::vector<std::string> entries = view.ComboEntries(chooser);
    if (static_cast<size_t>(selection) >= entries.size()) return -1;
    return DumpIdOfEntry(entries[selection]);
}

// A dump point chosen in `chooser` becomes its stop, `chosen`; the other
// chooser, its stop `other` and "Continuous" let go.
void Choose(MainWindowView& view, int chooser, std::atomic<int32_t>& chosen, int otherChooser,
            std::atomic<int32_t>& other) {
    const int id = ChosenDumpId(view, chooser);
    if (id < 0) {
        chosen = -1;
        return;
    }
    view.SetChecked(ids::kContinuous, false);
    view.SetComboSelection(otherChooser, 0);
    chosen = id;
    other = -1;
    view.RepaintControl(ids::kContinueButton);
}

}  // namespace

int DumpIdOfEntry(const std::string& entry) {
    static const std::string kMark = " Dumpw ";
    const size_t at = entry.find(kMark);
    if (at == std::string::npos) return -1;
    const char* digits = entry.c_str() + at + kMark.size();
    while (*digits == ' ') ++digits;
    if (*digits < '0' || *digits > '9') return -1;
    return std::atoi(digits);
}

void ContinueCommand(RunState& run, Views& views) {
    // Views frozen by a stop rule follow the dumps again.
    run.ViewsFrozen = 0;
    if (run.TargetWaiting.load() != 1) return;
    views.FocusWatchContinue();
    run.TargetWaiting = 0;
}

void RepeatChosen(Session& session, MainWindowView& view) {
    RunState& run = session.run;
    Choose(view, ids::kRepeatChooser, run.RepeatDumpId, ids::kUntilChooser, run.UntilDumpId);
}

void UntilChosen(Session& session, MainWindowView& view) {
    RunState& run = session.run;
    Choose(view, ids::kUntilChooser, run.UntilDumpId, ids::kRepeatChooser, run.RepeatDumpId);
}

void UntilListClosed(Session& session, MainWindowView& view) {
    if (session.run.UntilDumpId.load() == -1) {
        view.SetComboSelection(ids::kUntilChooser, 0);
        view.SetControlText(ids::kUntilCount, "00");
        return;
    }
    const std::string text = view.ControlText(ids::kUntilCount);
    long count = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (count < 1000) count = count * 10 + (c - '0');
    }
    if (count < 1) count = 1;
    if (count > 99) count = 99;
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02ld", count);
    view.SetControlText(ids::kUntilCount, buffer);
}

void RepeatListClosed(Session& session, MainWindowView& view) {
    if (session.run.RepeatDumpId.load() == -1) view.SetComboSelection(ids::kRepeatChooser, 0);
}

void ContinuousChanged(Session& session, MainWindowView& view, Views& views) {
    const bool on = view.IsChecked(ids::kContinuous);
    views.SetWatchContinuous(on);
    if (on) {
        session.run.RepeatDumpId = -1;
        session.run.UntilDumpId = -1;
    }
    view.SetComboSelection(ids::kRepeatChooser, 0);
    view.SetComboSelection(ids::kUntilChooser, 0);
}

void ResetCommand(Session& session) {
    if (session.device.Core != 14) session.run.ResetRequested = 1;
}

}  // namespace varnolux
