#pragma once
// The stop rules on the link: judges every dump at the end of its transaction
// (a DumpKeeper, so under the records lock) and leaves what the rules decided
// in the run state: RuleHold for the "d" that follows (a dumpw point holds the
// target), ViewsFrozen when a hold rule fired where the target cannot wait.
// A Record rule's firing starts the write of the dumps around it.
#include <vector>

#include "link/line/link_context.h"
#include "link/recording/port.h"
#include "rules/stop_rules.h"

namespace varnolux::rules {

class RuleJudge : public DumpKeeper {
  public:
    // `around`: the port that keeps the last dumps for Record rules, if any.
    // `freezesViews`: a front end with views that stay on a dump (the
    // desktop program) sets ViewsFrozen when a hold fires at a plain dump point.
    RuleJudge(StopRules& rules, RunState& run, RecordingPort* around = nullptr,
              bool freezesViews = false);
    void KeepDump(const Session& session, int64_t timeUs) override;

  private:
    StopRules& rules_;
    RunState& run_;
    RecordingPort* around_;
    bool freezesViews_;
    script::DumpValues values_;  // kept between dumps, so judging allocates nothing
};

// Several keepers told in turn (the Plot's store and the rules).
class DumpKeepers : public DumpKeeper {
  public:
    explicit DumpKeepers(std::vector<DumpKeeper*> keepers) : keepers_(std::move(keepers)) {}
    void KeepDump(const Session& session, int64_t timeUs) override {
        for (DumpKeeper* k : keepers_)
            if (k) k->KeepDump(session, timeUs);
    }

  private:
    std::vector<DumpKeeper*> keepers_;
};

}  // namespace varnolux::rules
