#include "views/rules/rule_rows.h"

#include <algorithm>

namespace varnolux {

namespace {

RuleRow BuiltInRow(const char* name, int32_t dumpId, const std::string& count,
                   const DumpPointTable& points) {
    RuleRow row;
    row.builtIn = true;
    row.enabled = dumpId != -1;
    row.texts[kColDumpPoint] = dumpId == -1 ? "(not chosen)" : rules::DumpPointName(dumpId, points);
    row.texts[kColCondition] = name;
    row.texts[kColHitCount] = count;
    row.texts[kColAction] = "hold";
    return row;
}

}  // namespace

std::vector<RuleRow> RuleRows(const std::vector<rules::StopRule>& rules,
                              const std::vector<rules::RuleState>& states,
                              const DumpPointTable& points, const RunControlRules& runControl) {
    std::vector<RuleRow> rows;
    rows.push_back(BuiltInRow("Repeat (main window)", runControl.repeatDumpId, "0", points));
    rows.push_back(BuiltInRow("Untill (main window)", runControl.untilDumpId,
                              runControl.untilDumpId == -1 ? "" : runControl.untilCount, points));
    for (size_t i = 0; i < rules.size(); ++i) {
        const rules::StopRule& rule = rules[i];
        RuleRow row;
        row.enabled = rule.enabled;
        row.texts[kColDumpPoint] = rules::DumpPointName(rule.dumpId, points);
        row.texts[kColCondition] = rule.condition.empty() ? "(every arrival)" : rule.condition;
        row.texts[kColHitCount] = std::to_string(rule.hitCount);
        row.texts[kColAction] = rules::ActionName(rule.action);
        if (rule.action == rules::RuleAction::Log) row.texts[kColAction] += ": " + rule.logTemplate;
        if (rule.action == rules::RuleAction::Record)
            row.texts[kColAction] +=
                " " + std::to_string(rule.pre) + " + " + std::to_string(rule.post);
        if (i < states.size()) {
            row.texts[kColHits] = std::to_string(states[i].hits);
            if (!states[i].error.empty()) row.texts[kColHits] += "  " + states[i].error;
        }
        rows.push_back(row);
    }
    return rows;
}

const char* RuleColumnTitle(int column) {
    static const char* const kTitles[kRuleColumns] = {"Dump point", "Condition", "Hit count",
                                                      "Action", "Hits"};
    return column >= 0 && column < kRuleColumns ? kTitles[column] : "";
}

std::vector<DumpChoice> DumpChoices(const DumpPointTable& points) {
    std::vector<DumpChoice> choices{{rules::kAnyDumpPoint, rules::DumpPointName(-1, points)}};
    for (int32_t id : points.order) {
        if (id <= 0 || id >= kDumpPointEntries || points.entries[id].line == 0) continue;
        const bool listed = std::any_of(choices.begin(), choices.end(),
                                        [id](const DumpChoice& c) { return c.dumpId == id; });
        if (!listed) choices.push_back({id, rules::DumpPointName(id, points)});
    }
    // In numeric order after "any", not in the order the sources name them.
    std::sort(choices.begin() + 1, choices.end(),
              [](const DumpChoice& a, const DumpChoice& b) { return a.dumpId < b.dumpId; });
    return choices;
}

size_t DumpChoiceIndex(const std::vector<DumpChoice>& choices, int32_t dumpId) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].dumpId == dumpId) return i;
    return 0;
}

}  // namespace varnolux
