#pragma once
// The rules as the user entered them and their armed copy on the link. Every
// change arms the whole new list or, when one rule is refused, changes
// nothing and names the rule and the place of the fault.
#include <string>
#include <vector>

#include "rules/stop_rules.h"

namespace varnolux {

class RuleBook {
  public:
    explicit RuleBook(rules::StopRules& armed) : armed_(armed) {}

    // The rules read from the settings file, not yet armed (no project yet).
    void Load(std::vector<rules::StopRule> rules) { entered_ = std::move(rules); }
    const std::vector<rules::StopRule>& Entered() const { return entered_; }

    // Arms the entered rules against the loaded project. A rule the project
    // no longer knows (a variable renamed) leaves nothing armed: false with
    // the fault, the rules kept as they were entered.
    bool ArmEntered(const VarTable& records, const DumpPointTable& points, std::string& fault);

    // The edits; each arms the list it makes, or changes nothing: false with the fault.
    bool Add(const rules::StopRule& rule, const VarTable& records, const DumpPointTable& points,
             std::string& fault);
    bool Replace(size_t index, const rules::StopRule& rule, const VarTable& records,
                 const DumpPointTable& points, std::string& fault);
    bool Remove(size_t index, const VarTable& records, const DumpPointTable& points,
                std::string& fault);
    // The row's box: the armed rule is switched without losing its counts.
    void SetEnabled(size_t index, bool enabled);

    // True while what is armed is what is entered.
    bool Armed() const { return armedOk_; }

  private:
    bool Apply(std::vector<rules::StopRule> next, const VarTable& records,
               const DumpPointTable& points, std::string& fault);

    rules::StopRules& armed_;
    std::vector<rules::StopRule> entered_;
    bool armedOk_ = false;
};

}  // namespace varnolux
