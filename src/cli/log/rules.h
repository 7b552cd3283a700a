#pragma once
// The stop rules of "varnolux-cli log": --until EXPR [--at ID] ends the run at
// the first dump where EXPR holds (a dumpw point holds the target there), and
// --trigger EXPR with --record FILE keeps only the traffic around each dump
// where it holds (--pre N before, --post M after, numbered files).
#include <string>
#include <vector>

#include "link/recording/port.h"
#include "rules/rule_judge.h"
#include "rules/stop_rules.h"
#include "state/session.h"

namespace varnolux::cli {

struct LogRuleArgs {
    std::string until;
    int at = -1;  // the dump point of --until and --trigger; -1: any
    std::string trigger;
    int pre = 50;
    int post = 10;
};

class LogRules {
  public:
    LogRules(const LogRuleArgs& args, RunState& run, RecordingPort* recorder);

    // Arms the rules against the loaded project; false with the message that
    // names the option and the column of the fault.
    bool Arm(const Session& session, std::string& message);
    // The dumps the recording keeps in memory: --pre with --trigger, else -1.
    int AroundKeep() const;
    rules::RuleJudge* Judge() { return &judge_; }

    // On the link thread after each dump: true once --until held; `said`
    // gets the words for stderr about what fired and what failed.
    bool TakeDump(std::vector<std::string>& said);

  private:
    const LogRuleArgs& args_;
    rules::StopRules rules_;
    rules::RuleJudge judge_;
    size_t untilRule_ = 0;
    bool hasUntil_ = false;
};

}  // namespace varnolux::cli
