#include "views/rules/rule_entry.h"

#include <cstdlib>

#include "text/text_util.h"

namespace varnolux {

namespace {

constexpr long kCountMax = 1000000;  // hit counts and dumps around

// A count typed into a field: blank is 0; digits only, at most kCountMax.
bool ReadCount(const std::string& text, long& value) {
    const std::string digits = TrimBlanks(text);
    if (digits.empty()) {
        value = 0;
        return true;
    }
    if (digits.size() > 7 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::strtol(digits.c_str(), nullptr, 10);
    return value <= kCountMax;
}

bool Fault(rules::RuleError& error, rules::RuleField field, std::string message) {
    error.field = field;
    error.column = 0;
    error.message = std::move(message);
    return false;
}

const char* FieldName(rules::RuleField field) {
    switch (field) {
        case rules::RuleField::DumpPoint:
            return "Dump point";
        case rules::RuleField::Condition:
            return "Condition";
        case rules::RuleField::LogTemplate:
            return "Log line";
        case rules::RuleField::HitCount:
            return "Hit count";
        case rules::RuleField::Around:
            return "Dumps before and after";
    }
    return "";
}

}  // namespace

RuleFields FieldsOfRule(const rules::StopRule& rule, const std::vector<DumpChoice>& choices) {
    RuleFields fields;
    fields.enabled = rule.enabled;
    fields.dumpChoice = DumpChoiceIndex(choices, rule.dumpId);
    fields.condition = rule.condition;
    fields.hitCount = std::to_string(rule.hitCount);
    fields.action = rule.action;
    fields.logTemplate = rule.logTemplate;
    fields.pre = std::to_string(rule.pre);
    fields.post = std::to_string(rule.post);
    return fields;
}

bool RuleOfFields(const RuleFields& fields, const std::vector<DumpChoice>& choices,
                  const VarTable& records, const DumpPointTable& points, rules::StopRule& rule,
                  rules::RuleError& error) {
    rules::StopRule entered;
    entered.enabled = fields.enabled;
    if (fields.dumpChoice >= choices.size())
        return Fault(error, rules::RuleField::DumpPoint, "choose a dump point");
    entered.dumpId = choices[fields.dumpChoice].dumpId;
    entered.condition = TrimBlanks(fields.condition);
    entered.logTemplate = TrimBlanks(fields.logTemplate);
    if (!ReadCount(fields.hitCount, entered.hitCount))
        return Fault(error, rules::RuleField::HitCount,
                     "a whole number from 0 (every match) up to " + std::to_string(kCountMax));
    entered.action = fields.action;
    long pre = 0, post = 0;
    if (!ReadCount(fields.pre, pre) || !ReadCount(fields.post, post))
        return Fault(error, rules::RuleField::Around,
                     "whole numbers from 0 up to " + std::to_string(kCountMax));
    entered.pre = static_cast<int>(pre);
    entered.post = static_cast<int>(post);
    if (!rules::CheckRule(entered, records, points, error)) return false;
    rule = entered;
    return true;
}

std::string FaultText(const rules::RuleError& error) {
    std::string text = FieldName(error.field);
    if (error.column > 0) text += ", column " + std::to_string(error.column);
    return text + ": " + error.message;
}

}  // namespace varnolux
