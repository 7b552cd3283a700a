#include "rules/stop_rule.h"

#include "script/script_expr.h"
#include "text/text_util.h"

namespace varnolux::rules {

bool CheckRule(const StopRule& rule, const VarTable& records, const DumpPointTable& points,
               RuleError& error) {
    if (rule.dumpId != kAnyDumpPoint &&
        (rule.dumpId <= 0 || rule.dumpId >= kDumpPointEntries ||
         points.entries[static_cast<size_t>(rule.dumpId)].line == 0)) {
        error = RuleError{RuleField::DumpPoint, 0, "no dump point " + std::to_string(rule.dumpId)};
        return false;
    }
    if (rule.hitCount < 0) {
        error = RuleError{RuleField::HitCount, 0, "a hit count of 0 or more"};
        return false;
    }
    if (!rule.condition.empty()) {
        script::Expression e;
        script::ParseError pe;
        if (!script::ParseExpression(rule.condition, records, e, pe)) {
            error = RuleError{RuleField::Condition, pe.column, pe.message};
            return false;
        }
    }
    if (rule.action == RuleAction::Log) {
        size_t open = rule.logTemplate.find('{');
        while (open != std::string::npos) {
            const size_t close = rule.logTemplate.find('}', open);
            if (close == std::string::npos) {
                error = RuleError{RuleField::LogTemplate, open + 1, "\"{\" without \"}\""};
                return false;
            }
            script::Expression e;
            script::ParseError pe;
            if (!script::ParseExpression(rule.logTemplate.substr(open + 1, close - open - 1),
                                         records, e, pe)) {
                error = RuleError{RuleField::LogTemplate, open + 1 + pe.column, pe.message};
                return false;
            }
            open = rule.logTemplate.find('{', close);
        }
    }
    return true;
}

std::string ActionName(RuleAction action) {
    switch (action) {
        case RuleAction::Hold:
            return "hold";
        case RuleAction::Log:
            return "log";
        case RuleAction::Record:
            return "record";
    }
    return "hold";
}

bool ParseAction(const std::string& text, RuleAction& action) {
    const std::string t = LowerCase(text);
    for (RuleAction a : {RuleAction::Hold, RuleAction::Log, RuleAction::Record})
        if (t == ActionName(a)) {
            action = a;
            return true;
        }
    return false;
}

std::string DumpPointName(int32_t dumpId, const DumpPointTable& points) {
    if (dumpId == kAnyDumpPoint) return "any";
    const DumpPoint& p = points.entries[static_cast<size_t>(dumpId)];
    return " " + std::to_string(dumpId) + (p.kind == 1 ? " Dumpw " : " Dump ") + p.comment;
}

std::string RuleSummary(const StopRule& rule) {
    std::string s = ActionName(rule.action);
    if (!rule.condition.empty()) s += " when " + rule.condition;
    return s + (rule.dumpId == kAnyDumpPoint ? " at any DumpID"
                                             : " at DumpID " + std::to_string(rule.dumpId));
}

}  // namespace varnolux::rules
