#pragma once
// A stop rule: where it looks (one dump point or any), on what condition, at
// which of its matches it fires, and what it does then.
#include <cstddef>
#include <cstdint>
#include <string>

#include "state/dump_points.h"
#include "state/var_record.h"

namespace varnolux::rules {

constexpr int32_t kAnyDumpPoint = -1;

enum class RuleAction {
    Hold,    // a dumpw point holds the target; a plain dump point freezes the views
    Log,     // a line from the template, the target runs on
    Record,  // the dumps around the firing one go to a recording
};

struct StopRule {
    bool enabled = true;
    int32_t dumpId = kAnyDumpPoint;
    std::string condition;  // an expression; empty: every arrival matches
    long hitCount = 0;      // 0: fires at every match; N: at its Nth match only
    RuleAction action = RuleAction::Hold;
    std::string logTemplate;  // Log: "T={TEMP} H={HEATER}", each {expression} by its value
    int pre = 50;             // Record: dumps kept before the firing one
    int post = 10;            // Record: dumps written after it
};

// Where a rule is wrong: in its condition (column 1-based) or elsewhere.
enum class RuleField { DumpPoint, Condition, LogTemplate, HitCount, Around };

struct RuleError {
    RuleField field = RuleField::Condition;
    size_t column = 0;
    std::string message;
};

// Checks a rule against the project before it is armed.
bool CheckRule(const StopRule& rule, const VarTable& records, const DumpPointTable& points,
               RuleError& error);

// "hold", "log", "record"; ParseAction takes them in any case.
std::string ActionName(RuleAction action);
bool ParseAction(const std::string& text, RuleAction& action);

// The dump point as the rules list shows it: "any" or its DumpID with the
// dump point's comment, " 3 Dumpw heater loop".
std::string DumpPointName(int32_t dumpId, const DumpPointTable& points);

// "hold when TEMP > 23 at DumpID 3": what the status bar and a recording's
// comments name the rule by.
std::string RuleSummary(const StopRule& rule);

}  // namespace varnolux::rules
