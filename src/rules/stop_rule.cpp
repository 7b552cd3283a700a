#include "rules/stop_rule.h"

#include "rules/log_template.h"
#include "script/script_expr.h"
#include "text/text_util.h"

namespace varnolux::rules {

namespace {

bool Refuse(RuleError& error, RuleField field, size_t column, const std::string& message) {
    error = RuleError{field, column, message};
    return false;
}

}  // namespace

bool CheckRule(const StopRule& rule, const VarTable& records, const DumpPointTable& points,
               RuleError& error) {
    if (rule.dumpId != kAnyDumpPoint &&
        (rule.dumpId < 1 || rule.dumpId > 255 ||
         points.entries[static_cast<size_t>(rule.dumpId)].line == 0))
        return Refuse(error, RuleField::DumpPoint, 0,
                      "the program has no dump point " + std::to_string(rule.dumpId));
    if (rule.hitCount < 0)
        return Refuse(error, RuleField::HitCount, 0, "the hit count is 0 (every match) or more");
    if (!TrimBlanks(rule.condition).empty()) {
        script::Expression e;
        script::ParseError pe;
        if (!script::ParseExpression(rule.condition, records, e, pe))
            return Refuse(error, RuleField::Condition, pe.column, pe.message);
        if (e.Kind() != script::ValueKind::Bool)
            return Refuse(error, RuleField::Condition, 1,
                          "the condition needs a comparison, such as TEMP > 23");
    }
    if (rule.action == RuleAction::Log) {
        if (TrimBlanks(rule.logTemplate).empty())
            return Refuse(error, RuleField::LogTemplate, 1, "the log line is empty");
        LogTemplate t;
        script::ParseError pe;
        if (!t.Parse(rule.logTemplate, records, pe))
            return Refuse(error, RuleField::LogTemplate, pe.column, pe.message);
    }
    if (rule.action == RuleAction::Record &&
        (rule.pre < 0 || rule.post < 0 || rule.pre > 100000 || rule.post > 100000))
        return Refuse(error, RuleField::Around, 0,
                      "the dumps before and after are from 0 to 100000");
    return true;
}

std::string ActionName(RuleAction action) {
    switch (action) {
        case RuleAction::Log:
            return "log";
        case RuleAction::Record:
            return "record";
        default:
            return "hold";
    }
}

bool ParseAction(const std::string& text, RuleAction& action) {
    for (RuleAction a : {RuleAction::Hold, RuleAction::Log, RuleAction::Record}) {
        if (LowerCase(TrimBlanks(text)) != ActionName(a)) continue;
        action = a;
        return true;
    }
    return false;
}

std::string DumpPointName(int32_t dumpId, const DumpPointTable& points) {
    if (dumpId == kAnyDumpPoint) return "any";
    std::string name = std::to_string(dumpId);
    if (dumpId < 0 || dumpId >= kDumpPointEntries) return name;
    const DumpPoint& p = points.entries[static_cast<size_t>(dumpId)];
    if (p.line == 0) return name;
    name += p.kind == 1 ? " Dumpw" : " Dump";
    if (!p.comment.empty()) name += " " + p.comment;
    return name;
}

std::string RuleSummary(const StopRule& rule) {
    std::string text = ActionName(rule.action);
    if (!TrimBlanks(rule.condition).empty()) text += " when " + TrimBlanks(rule.condition);
    text += rule.dumpId == kAnyDumpPoint ? " at any dump point"
                                         : " at DumpID " + std::to_string(rule.dumpId);
    if (rule.hitCount > 0) text += ", hit " + std::to_string(rule.hitCount);
    return text;
}

}  // namespace varnolux::rules
