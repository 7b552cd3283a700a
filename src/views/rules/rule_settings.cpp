#include "views/rules/rule_settings.h"

#include <sstream>

#include <algorithm>
#include "seams/ini_file.h"

namespace varnolux {

namespace {

std::string Numbered(const char* key, size_t index) {
    return key + std::to_string(index + 1);
}

// A whole number of the key's text, nothing else around it but blanks.
bool ReadLong(std::istringstream& in, long& value) {
    in >> value;
    return !in.fail();
}

}  // namespace

std::string RuleKeyText(const rules::StopRule& rule) {
    return std::string(rule.enabled ? "1" : "0") + "," + std::to_string(rule.dumpId) + "," +
           rules::ActionName(rule.action) + "," + std::to_string(rule.hitCount) + "," +
           std::to_string(rule.pre) + "," + std::to_string(rule.post);
}

bool ParseRuleKeyText(const std::string& text, rules::StopRule& rule) {
    std::string fields = text;
    for (char& c : fields)
        if (c == ',') c = ' ';
    std::istringstream in(fields);
    long enabled = 0, dumpId = 0, hitCount = 0, pre = 0, post = 0;
    std::string action;
    if (!ReadLong(in, enabled) || !ReadLong(in, dumpId) || !(in >> action) ||
        !ReadLong(in, hitCount) || !ReadLong(in, pre) || !ReadLong(in, post))
        return false;
    std::string rest;
    if (in >> rest) return false;
    rules::StopRule read;
    if (!rules::ParseAction(action, read.action)) return false;
    if ((enabled != 0 && enabled != 1) || dumpId < rules::kAnyDumpPoint ||
        dumpId >= kDumpPointEntries || hitCount < 0 || pre < 0 || post < 0)
        return false;
    read.enabled = enabled == 1;
    read.dumpId = static_cast<int32_t>(dumpId);
    read.hitCount = hitCount;
    read.pre = static_cast<int>(pre);
    read.post = static_cast<int>(post);
    rule = read;
    return true;
}

StopRuleSettings ReadStopRuleSettings(const HostOs& os, const std::string& path) {
    StopRuleSettings settings;
    const IniDocument doc(os.ReadFile(path).value_or(std::string()));
    settings.logToFile = IniNumber(doc.Read(kStopRulesSection, "LogToFile", "0")) == 1;
    const int32_t count = IniNumber(doc.Read(kStopRulesSection, "Count", "0"));
    for (size_t i = 0; count > 0 && i < static_cast<size_t>(count) && i < kStopRulesMax; ++i) {
        rules::StopRule rule;
        if (!ParseRuleKeyText(doc.Read(kStopRulesSection, Numbered("Rule", i), ""), rule)) continue;
        // The section is the program's own: its texts are read whole, not
        // cut as the hand-edited keys of the other sections are.
        rule.condition = doc.ReadWhole(kStopRulesSection, Numbered("Condition", i), "");
        rule.logTemplate = doc.ReadWhole(kStopRulesSection, Numbered("Log", i), "");
        settings.rules.push_back(rule);
    }
    return settings;
}

SettingsWrite WriteStopRuleSettings(HostOs& os, const std::string& path,
                                    const StopRuleSettings& settings) {
    return EditSettingsFile(os, path, [&settings](IniDocument& doc) {
        // A file that never had rules does not get an empty section.
        std::string earlierCount;
        if (settings.rules.empty() && !settings.logToFile &&
            !doc.Find(kStopRulesSection, "Count", earlierCount))
            return;
        const size_t count = std::min(settings.rules.size(), kStopRulesMax);
        const int32_t earlier = IniNumber(doc.Read(kStopRulesSection, "Count", "0"));
        doc.Write(kStopRulesSection, "Count", std::to_string(count));
        doc.Write(kStopRulesSection, "LogToFile", settings.logToFile ? "1" : "0");
        for (size_t i = 0; i < count; ++i) {
            const rules::StopRule& rule = settings.rules[i];
            doc.Write(kStopRulesSection, Numbered("Rule", i), RuleKeyText(rule));
            doc.Write(kStopRulesSection, Numbered("Condition", i), rule.condition);
            doc.Write(kStopRulesSection, Numbered("Log", i), rule.logTemplate);
        }
        for (size_t i = count; earlier > 0 && i < std::min<size_t>(earlier, kStopRulesMax); ++i)
            for (const char* key : {"Rule", "Condition", "Log"})
                doc.Write(kStopRulesSection, Numbered(key, i), "");
    });
}

}  // namespace varnolux
