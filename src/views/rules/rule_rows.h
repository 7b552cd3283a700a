#pragma once
// What the Stop rules window lists: the two built-in rules of the main
// window's run control (Repeat and Untill, shown as they are set there) and
// the user's rules with their hits so far, one text a column.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/stop_rules.h"
#include "state/dump_points.h"

namespace varnolux {

constexpr size_t kBuiltInRuleRows = 2;  // Repeat and Untill, first in the list

enum RuleColumn { kColDumpPoint, kColCondition, kColHitCount, kColAction, kColHits, kRuleColumns };

struct RuleRow {
    bool builtIn = false;
    bool enabled = false;  // the row's box
    std::string texts[kRuleColumns];
};

// The main window's run control as the built-in rows show it.
struct RunControlRules {
    int32_t repeatDumpId = -1;  // -1: not chosen
    int32_t untilDumpId = -1;
    std::string untilCount;  // the count box's text, "05"
};

std::vector<RuleRow> RuleRows(const std::vector<rules::StopRule>& rules,
                              const std::vector<rules::RuleState>& states,
                              const DumpPointTable& points, const RunControlRules& runControl);

// The column headings.
const char* RuleColumnTitle(int column);

// The choices of the dump point box: "any" first, then each dump point in
// the order the listing names them.
struct DumpChoice {
    int32_t dumpId = -1;
    std::string name;
};
std::vector<DumpChoice> DumpChoices(const DumpPointTable& points);
// The choice's index of a DumpID; 0 ("any") when it is not among them.
size_t DumpChoiceIndex(const std::vector<DumpChoice>& choices, int32_t dumpId);

}  // namespace varnolux
