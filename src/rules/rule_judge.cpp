#include "rules/rule_judge.h"

namespace varnolux::rules {

RuleJudge::RuleJudge(StopRules& rules, RunState& run, RecordingPort* around)
    : rules_(rules), run_(run), around_(around) {}

void RuleJudge::KeepDump(const Session& session, int64_t timeUs) {
    script::DumpValues d;
    d.DumpId = session.image.DumpId;
    d.records.reserve(session.records.size());
    for (const MyVarRecord& r : session.records)
        d.records.push_back(script::RecordValues{r.VarValue, r.VarPrevious, r.VarValueInit == 1,
                                                 r.VarPreviousInit == 1});
    const Verdict v = rules_.Judge(session.records, d, timeUs);
    run_.RuleHold = v.hold ? 1 : 0;
    if (v.hold && run_.TargetWaiting.load() == 0) run_.ViewsFrozen = 1;
}

}  // namespace varnolux::rules
