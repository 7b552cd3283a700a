#pragma once
// The stop rules in a replay judge each recorded dump once, in the order the
// live session met them. A step back turns the engine again from the first
// dump; the dumps it passes again are not judged again (no second hit, log
// line or hold), but a dump a hold rule fired at holds there every time, so
// Play stops at it and the link answers as it did the first time. Rules armed
// anew (changed in their window) judge every dump turned from then on afresh.
#include <cstdint>
#include <set>

#include "link/line/link_context.h"
#include "rules/stop_rules.h"
#include "state/run_state.h"

namespace varnolux {

class ReplayRuleGate : public DumpKeeper {
  public:
    // `judge` judges the dumps let through by the `armed` rules and leaves
    // its decision in `run`.
    ReplayRuleGate(DumpKeeper& judge, const rules::StopRules& armed, RunState& run)
        : judge_(judge), armed_(armed), run_(run) {}
    void KeepDump(const Session& session, int64_t timeUs) override;
    // A hold rule fired at the dump turned last.
    bool HeldAtLast() const { return holds_.count(lastUs_) != 0; }

  private:
    DumpKeeper& judge_;
    const rules::StopRules& armed_;
    RunState& run_;
    int arms_ = -1;                 // the arming the dumps judged so far were judged by
    int64_t judgedUs_ = INT64_MIN;  // the last dump judged; later ones are new
    int64_t lastUs_ = INT64_MIN;
    std::set<int64_t> holds_;  // the dumps a hold fired at, by their time
};

}  // namespace varnolux
