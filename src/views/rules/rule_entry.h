#pragma once
// A rule as the user types it into the Stop rules window's fields, checked
// before anything is armed: every field read, the condition and the log
// template checked against the project, a fault named with its place.
#include <string>
#include <vector>

#include "rules/stop_rule.h"
#include "views/rules/rule_rows.h"

namespace varnolux {

struct RuleFields {
    bool enabled = true;
    size_t dumpChoice = 0;  // index into DumpChoices
    std::string condition;
    std::string hitCount;  // "" reads as 0
    rules::RuleAction action = rules::RuleAction::Hold;
    std::string logTemplate;
    std::string pre;  // record: dumps before and after
    std::string post;
};

// The fields of a rule, as the window fills them when a row is chosen.
RuleFields FieldsOfRule(const rules::StopRule& rule, const std::vector<DumpChoice>& choices);

// The rule of the fields; false with the fault and its place.
bool RuleOfFields(const RuleFields& fields, const std::vector<DumpChoice>& choices,
                  const VarTable& records, const DumpPointTable& points, rules::StopRule& rule,
                  rules::RuleError& error);

// "Condition, column 6: unknown variable "temp2" (did you mean TEMP?)".
std::string FaultText(const rules::RuleError& error);

}  // namespace varnolux
