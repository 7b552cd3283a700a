#include "dap/dap_breakpoints.h"

#include "text/text_util.h"

namespace varnolux::dap {

namespace {

std::string NamePart(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return LowerCase(cut == std::string::npos ? path : path.substr(cut + 1));
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int32_t SourceIndexOfPath(const std::vector<std::string>& sourcePaths, const std::string& path) {
    const std::string name = NamePart(path);
    for (size_t i = 0; i < sourcePaths.size(); ++i)
        if (NamePart(sourcePaths[i]) == name) return static_cast<int32_t>(i);
    return -1;
}

int32_t DumpIdAtLine(const DumpPointTable& points, int32_t file, long line) {
    if (file < 0 || line <= 0) return -1;
    for (int32_t id = 1; id < kDumpPointEntries; ++id) {
        const DumpPoint& p = points.entries[static_cast<size_t>(id)];
        if (p.line == line && p.file == file) return id;
    }
    return -1;
}

bool ReadHitCondition(const std::string& text, long& hitCount) {
    std::string t = Trimmed(text);
    if (t.rfind("==", 0) == 0)
        t = Trimmed(t.substr(2));
    else if (t.rfind("=", 0) == 0)
        t = Trimmed(t.substr(1));
    if (t.empty() || t.size() > 9 || t.find_first_not_of("0123456789") != std::string::npos)
        return false;
    hitCount = std::stol(t);
    return hitCount > 0;
}

Breakpoint MakeBreakpoint(const Json& request, int32_t file, const DumpPointTable& points,
                          const VarTable& records, long id) {
    Breakpoint b;
    b.id = id;
    b.line = request["line"].Int();
    const int32_t dumpId = DumpIdAtLine(points, file, b.line);
    if (dumpId < 0) {
        b.message = kNoDumpOnLine;
        return b;
    }
    rules::StopRule& rule = b.rule;
    rule.dumpId = dumpId;
    rule.condition = Trimmed(request["condition"].Str());
    b.conditional = !rule.condition.empty();
    const std::string hits = Trimmed(request["hitCondition"].Str());
    if (!hits.empty() && !ReadHitCondition(hits, rule.hitCount)) {
        b.message = "hit condition \"" + hits + "\": a number of matches, 1 or more";
        return b;
    }
    const std::string log = request["logMessage"].Str();
    if (!log.empty()) {
        rule.action = rules::RuleAction::Log;
        rule.logTemplate = log;
    }
    rules::RuleError error;
    if (!rules::CheckRule(rule, records, points, error)) {
        const char* field =
            error.field == rules::RuleField::LogTemplate ? "log message" : "condition";
        b.message = std::string(field) +
                    (error.column > 0 ? " column " + std::to_string(error.column) : "") + ": " +
                    error.message;
        return b;
    }
    b.verified = true;
    return b;
}

Json BreakpointJson(const Breakpoint& b) {
    Json j = Json::Object();
    j.Set("id", b.id).Set("verified", b.verified).Set("line", b.line);
    if (!b.verified) j.Set("message", b.message);
    return j;
}

void BreakpointTable::Replace(const std::string& source, std::vector<Breakpoint> breakpoints) {
    bySource_[LowerCase(source)] = std::move(breakpoints);
}

std::vector<rules::StopRule> BreakpointTable::Rules(std::vector<const Breakpoint*>& ofRule) const {
    std::vector<rules::StopRule> rules;
    ofRule.clear();
    for (const auto& source : bySource_)
        for (const Breakpoint& b : source.second) {
            if (!b.verified) continue;
            rules.push_back(b.rule);
            ofRule.push_back(&b);
        }
    return rules;
}

}  // namespace varnolux::dap
