#include "views/rules/rule_book.h"

#include "views/rules/rule_entry.h"

namespace varnolux {

bool RuleBook::Apply(std::vector<rules::StopRule> next, const VarTable& records,
                     const DumpPointTable& points, std::string& fault) {
    size_t bad = 0;
    rules::RuleError error;
    if (!armed_.Arm(next, records, points, bad, error)) {
        fault = "Rule " + std::to_string(bad + 1) + ": " + FaultText(error);
        return false;
    }
    entered_ = std::move(next);
    armedOk_ = true;
    return true;
}

bool RuleBook::ArmEntered(const VarTable& records, const DumpPointTable& points,
                          std::string& fault) {
    armedOk_ = false;
    if (Apply(entered_, records, points, fault)) return true;
    // Nothing of the refused list stays armed.
    size_t bad = 0;
    rules::RuleError error;
    armed_.Arm({}, records, points, bad, error);
    return false;
}

bool RuleBook::Add(const rules::StopRule& rule, const VarTable& records,
                   const DumpPointTable& points, std::string& fault) {
    std::vector<rules::StopRule> next = entered_;
    next.push_back(rule);
    return Apply(std::move(next), records, points, fault);
}

bool RuleBook::Replace(size_t index, const rules::StopRule& rule, const VarTable& records,
                       const DumpPointTable& points, std::string& fault) {
    if (index >= entered_.size()) return false;
    std::vector<rules::StopRule> next = entered_;
    next[index] = rule;
    return Apply(std::move(next), records, points, fault);
}

bool RuleBook::Remove(size_t index, const VarTable& records, const DumpPointTable& points,
                      std::string& fault) {
    if (index >= entered_.size()) return false;
    std::vector<rules::StopRule> next = entered_;
    next.erase(next.begin() + static_cast<std::ptrdiff_t>(index));
    return Apply(std::move(next), records, points, fault);
}

void RuleBook::SetEnabled(size_t index, bool enabled) {
    if (index >= entered_.size()) return;
    entered_[index].enabled = enabled;
    if (armedOk_) armed_.SetEnabled(index, enabled);
}

}  // namespace varnolux
