#pragma once
// The stop rules' section of the settings file, "[Stop Rules]": the number of
// rules, whether log lines also go to a file, and each rule in numbered keys
// ("Rule1" its switches and numbers, "Condition1", "Log1"). Read at start,
// written at exit under SaveOnExit.
#include <string>
#include <vector>

#include "rules/stop_rule.h"
#include "seams/host_os.h"
#include "seams/settings_file.h"

namespace varnolux {

constexpr const char* kStopRulesSection = "Stop Rules";
constexpr size_t kStopRulesMax = 50;  // rules kept in the file

struct StopRuleSettings {
    std::vector<rules::StopRule> rules;
    bool logToFile = false;  // log lines also go to the project's rules log
};

// A rule whose "RuleN" key cannot be read is left out; missing keys read as empty.
StopRuleSettings ReadStopRuleSettings(const HostOs& os, const std::string& path);

// Writes the section in one write of the file; keys of rules beyond the
// count that an earlier write left are emptied. No rules and no section yet:
// the file is left as it is. A file that exists but cannot
// be read is left alone: false.
SettingsWrite WriteStopRuleSettings(HostOs& os, const std::string& path,
                                    const StopRuleSettings& settings);

// "Rule1"'s text: enabled, DumpID (-1 any), action, hit count, dumps before and after.
std::string RuleKeyText(const rules::StopRule& rule);
bool ParseRuleKeyText(const std::string& text, rules::StopRule& rule);

}  // namespace varnolux
