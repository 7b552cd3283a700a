#include "views/replay/replay_rule_gate.h"

namespace varnolux {

void ReplayRuleGate::KeepDump(const Session& session, int64_t timeUs) {
    lastUs_ = timeUs;
    if (armed_.Arms() != arms_) {
        arms_ = armed_.Arms();
        judgedUs_ = INT64_MIN;
        holds_.clear();
    }
    if (timeUs > judgedUs_) {
        judgedUs_ = timeUs;
        judge_.KeepDump(session, timeUs);
        if (run_.RuleHold.load() == 1) holds_.insert(timeUs);
        return;
    }
    run_.RuleHold = HeldAtLast() ? 1 : 0;
}

}  // namespace varnolux
