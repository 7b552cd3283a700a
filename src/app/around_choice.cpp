#include "app/around_choice.h"

#include <algorithm>

namespace varnolux {

namespace {

bool Records(const rules::StopRule& rule) {
    return rule.enabled && rule.action == rules::RuleAction::Record;
}

}  // namespace

int AroundKeep(const std::vector<rules::StopRule>& rules) {
    int keep = -1;
    for (const rules::StopRule& rule : rules)
        if (Records(rule)) keep = std::max(keep, rule.pre);
    return keep;
}

std::string AroundQuestion(const std::vector<rules::StopRule>& rules) {
    std::string text = "Keep only the traffic around the stop rules that record?\n";
    for (size_t i = 0; i < rules.size(); ++i)
        if (Records(rules[i]))
            text += "\n  rule " + std::to_string(i + 1) + ": " + std::to_string(rules[i].pre) +
                    " dumps before, " + std::to_string(rules[i].post) + " after, when " +
                    (rules[i].condition.empty() ? "it is reached" : rules[i].condition);
    return text +
           "\n\nYes: each firing writes its own numbered file beside the one you named.\n"
           "No: the whole session goes to that file.";
}

std::string AroundStatusText(const std::string& path, size_t files) {
    const size_t slash = path.find_last_of("\\/");
    return "Recording around rules: " +
           (slash == std::string::npos ? path : path.substr(slash + 1)) + ", " +
           std::to_string(files) + (files == 1 ? " file" : " files") + " so far";
}

}  // namespace varnolux
