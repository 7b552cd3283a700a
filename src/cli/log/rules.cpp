#include "cli/log/rules.h"

namespace varnolux::cli {

LogRules::LogRules(const LogRuleArgs& args, RunState& run, RecordingPort* recorder)
    : args_(args), judge_(rules_, run, args.trigger.empty() ? nullptr : recorder) {}

int LogRules::AroundKeep() const {
    return args_.trigger.empty() ? -1 : args_.pre;
}

bool LogRules::Arm(const Session& session, std::string& message) {
    std::vector<rules::StopRule> armed;
    std::vector<std::string> options;
    if (!args_.until.empty()) {
        rules::StopRule until;
        until.dumpId = args_.at < 0 ? rules::kAnyDumpPoint : args_.at;
        until.condition = args_.until;
        hasUntil_ = true;
        untilRule_ = armed.size();
        armed.push_back(until);
        options.push_back("--until");
    }
    if (!args_.trigger.empty()) {
        rules::StopRule trigger;
        trigger.dumpId = args_.at < 0 ? rules::kAnyDumpPoint : args_.at;
        trigger.condition = args_.trigger;
        trigger.action = rules::RuleAction::Record;
        trigger.pre = args_.pre;
        trigger.post = args_.post;
        armed.push_back(trigger);
        options.push_back("--trigger");
    }
    if (armed.empty()) return true;
    size_t bad = 0;
    rules::RuleError error;
    if (rules_.Arm(std::move(armed), session.records, session.dumpPoints, bad, error)) return true;
    message = (error.field == rules::RuleField::DumpPoint ? "--at" : options[bad]) + ": ";
    if (error.column > 0) message += "column " + std::to_string(error.column) + ": ";
    message += error.message;
    return false;
}

bool LogRules::TakeDump(std::vector<std::string>& said) {
    for (const std::string& notice : rules_.TakeNotices()) said.push_back(notice);
    bool reached = false;
    for (const rules::Firing& f : rules_.TakeFirings()) {
        if (hasUntil_ && f.rule == untilRule_) {
            reached = true;
            said.push_back(args_.until + " holds at DumpID " + std::to_string(f.DumpId) +
                           (f.waits ? ", where the target waits" : ""));
        } else {
            said.push_back("recording around DumpID " + std::to_string(f.DumpId));
        }
    }
    return reached;
}

}  // namespace varnolux::cli
