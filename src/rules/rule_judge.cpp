#include "rules/rule_judge.h"

#include "script/script_target.h"

namespace varnolux::rules {

RuleJudge::RuleJudge(StopRules& rules, RunState& run, RecordingPort* around, bool freezesViews)
    : rules_(rules), run_(run), around_(around), freezesViews_(freezesViews) {}

void RuleJudge::KeepDump(const Session& session, int64_t timeUs) {
    if (rules_.Empty()) {
        run_.RuleHold = 0;
        return;
    }
    script::ReadDumpValues(session, values_);
    const bool waits = session.run.TargetWaiting.load() == 1;
    const Verdict verdict = rules_.Judge(session.records, values_, timeUs, waits);
    run_.RuleHold = verdict.hold ? 1 : 0;
    if (verdict.hold && !waits && freezesViews_ && run_.ViewsFrozen.load() == 0) {
        run_.FrozenShown = 0;
        run_.ViewsFrozen = 1;
    }
    if (!around_) return;
    std::vector<StopRule> rules;
    for (const Firing& f : verdict.firings) {
        if (f.action != RuleAction::Record) continue;
        if (rules.empty()) rules = rules_.Rules();
        const StopRule& rule = rules[f.rule];
        around_->Trigger(rule.pre, rule.post,
                         {"stop rule " + std::to_string(f.rule + 1) + ": " + f.summary,
                          "condition: " + (rule.condition.empty() ? "none" : rule.condition),
                          "fired at DumpID " + std::to_string(f.DumpId) + " (" + f.line + ")"});
    }
}

}  // namespace varnolux::rules
