#pragma once
// The Stop rules window's class, control and system-menu numbers.

namespace varnolux::ids {

constexpr const char* kRulesFormClass = "RulesForm_Class";
constexpr int kSysRulesTopMost = 157;

constexpr int kRulesList = 2951;
constexpr int kRulesDumpPoint = 2952;  // the dump point box
constexpr int kRulesAction = 2953;
constexpr int kRulesHitCount = 2954;
constexpr int kRulesCondition = 2955;
constexpr int kRulesLogTemplate = 2956;
constexpr int kRulesPre = 2957;
constexpr int kRulesPost = 2958;
constexpr int kRulesAdd = 2959;
constexpr int kRulesReplace = 2960;
constexpr int kRulesDelete = 2961;
constexpr int kRulesLogToFile = 2962;
constexpr int kRulesFault = 2963;       // the refusal of an entry, with its place
constexpr int kRulesLog = 2964;         // the log lines
constexpr int kRulesLabelFirst = 2970;  // the fields' labels

}  // namespace varnolux::ids
