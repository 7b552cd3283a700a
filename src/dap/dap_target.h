#pragma once
// The adapter's hold on the target, on the link thread: at the end of every
// dump it takes the stop rules' firings and decides whether the editor sees a
// stop there, with the values of that dump. A dumpw point that is held waits
// until Continue; a hold at a plain dump point is a snapshot (the target runs
// on, the editor stays on that dump).
//
// The run-on decision goes through RepeatDumpId with Continuous unchecked:
// kRunEverywhere lets the target run on wherever no rule holds it; -1 holds
// it at the next dumpw point (pause, stop on entry).
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "dap/stop_view.h"
#include "link/line/link_context.h"
#include "rules/stop_rules.h"
#include "script/script_target.h"
#include "state/session.h"

namespace varnolux::dap {

enum class StopReason { Breakpoint, DataBreakpoint, Entry, Pause };

struct StopNote {
    StopReason reason = StopReason::Breakpoint;
    bool waits = false;              // a dumpw point held; false: a snapshot of a dump
    std::vector<size_t> firedRules;  // the Hold rules that fired, by their index
    StopView view;
};

// What happened on the link since the front end last looked.
struct LinkNews {
    std::vector<StopNote> stops;
    std::vector<std::string> logLines;  // log points' lines
};

class DapTarget : public TransactionListener {
  public:
    DapTarget(Session& session, rules::StopRules& rules, script::ScriptTarget& script);

    // On the link thread at every completed dump.
    void TransactionDone() override;

    // Holds the target at the next dumpw point and reports it with `reason`
    // (pause, stop on entry). Nothing happens while a stop is shown.
    void HoldNext(StopReason reason);
    // Continue: the stop shown ends; a dumpw point the target was held at
    // since (while a snapshot was shown) becomes the next stop, else the
    // held target runs on.
    void Release();
    // The rules that hold because their condition matched (reported as data
    // breakpoints), by rule index.
    void SetConditional(std::vector<bool> conditional);

    bool Stopped() const;
    LinkNews Take();

  private:
    void Report(StopNote note);

    Session& session_;
    rules::StopRules& rules_;
    script::ScriptTarget& script_;
    mutable std::mutex mutex_;
    bool stopped_ = false;
    bool holdNext_ = false;
    StopReason holdReason_ = StopReason::Pause;
    std::vector<bool> conditional_;
    bool heldSince_ = false;  // a dumpw point held while a snapshot was shown
    StopNote heldNote_;
    LinkNews news_;
};

// The stopped event's description: where the target is and whether it waits.
std::string StopDescription(const StopNote& note, const DumpPointTable& points);
// "breakpoint", "data breakpoint", "entry", "pause".
std::string ReasonName(StopReason reason);

}  // namespace varnolux::dap
