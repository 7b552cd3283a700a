#pragma once
// The armed stop rules and their judgement of each dump. The link thread
// judges at the end of every transaction, under the records lock; the front
// ends arm, enable and read the hits and the firings from their own thread.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "rules/log_template.h"
#include "rules/stop_rule.h"
#include "script/script_expr.h"

namespace varnolux::rules {

// One rule that fired at one dump.
struct Firing {
    size_t rule = 0;  // its index in the armed table
    int32_t DumpId = -1;
    int64_t timeUs = 0;  // the link clock's time of the end packet
    bool waits = false;  // the target waits at this dump (a dumpw point)
    RuleAction action = RuleAction::Hold;
    std::string summary;  // RuleSummary of the rule
    std::string line;     // "DumpID 3  12.345 s  T=24 H=1" (Log), "DumpID 3  12.345 s" else
};

// What a dump's judgement asks of the link.
struct Verdict {
    bool hold = false;  // a Hold rule fired: hold (dumpw) or freeze the views (dump)
    std::vector<Firing> firings;
};

// A rule's count of matches and firings, and the first error of its run
// ("division by zero at DumpID 3"): it keeps the rule from firing there and
// is reported once.
struct RuleState {
    long matches = 0;
    long hits = 0;
    std::string error;
};

class StopRules {
  public:
    // Checks every rule and arms them all, their counts reset; false with the
    // index of the first bad rule and its error, and the armed table unchanged.
    bool Arm(std::vector<StopRule> rules, const VarTable& records, const DumpPointTable& points,
             size_t& badRule, RuleError& error);
    void SetEnabled(size_t rule, bool enabled);

    // Judges one dump: each enabled rule whose dump point and condition match
    // counts a match, and fires at its hit count. Keeps the firings for Take.
    Verdict Judge(const VarTable& records, const script::DumpValues& dump, int64_t timeUs,
                  bool targetWaits);

    std::vector<StopRule> Rules() const;
    std::vector<RuleState> States() const;
    // The firings since the last call, oldest first.
    std::vector<Firing> TakeFirings();
    // Run-time errors not yet reported: "rule 2 (hold when ...): division by zero at DumpID 3".
    std::vector<std::string> TakeNotices();
    bool Empty() const;
    // How often rules were armed: each arming starts their counts anew.
    int Arms() const;

  private:
    bool Matches(size_t i, const VarTable& records, const script::DumpValues& dump);

    mutable std::mutex mutex_;
    std::vector<StopRule> rules_;
    std::vector<script::Expression> conditions_;
    std::vector<LogTemplate> templates_;
    std::vector<RuleState> states_;
    std::vector<Firing> firings_;
    std::vector<std::string> notices_;
    int64_t armedUs_ = -1;  // the first judged dump's time: log lines count from it
    int arms_ = 0;
};

}  // namespace varnolux::rules
