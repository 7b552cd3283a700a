#include "rules/stop_rules.h"

#include <cstdio>

#include "text/text_util.h"

namespace varnolux::rules {

namespace {
// Firings nobody takes (no window open for a log rule) are let go, oldest first.
constexpr size_t kKeptFirings = 4096;
}  // namespace

bool StopRules::Arm(std::vector<StopRule> rules, const VarTable& records,
                    const DumpPointTable& points, size_t& badRule, RuleError& error) {
    std::vector<script::Expression> conditions(rules.size());
    std::vector<LogTemplate> templates(rules.size());
    for (size_t i = 0; i < rules.size(); ++i) {
        badRule = i;
        if (!CheckRule(rules[i], records, points, error)) return false;
        script::ParseError unused;
        if (!TrimBlanks(rules[i].condition).empty())
            script::ParseExpression(rules[i].condition, records, conditions[i], unused);
        if (rules[i].action == RuleAction::Log)
            templates[i].Parse(rules[i].logTemplate, records, unused);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    rules_ = std::move(rules);
    conditions_ = std::move(conditions);
    templates_ = std::move(templates);
    states_.assign(rules_.size(), RuleState{});
    firings_.clear();
    notices_.clear();
    armedUs_ = -1;
    ++arms_;
    return true;
}

int StopRules::Arms() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return arms_;
}

void StopRules::SetEnabled(size_t rule, bool enabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (rule < rules_.size()) rules_[rule].enabled = enabled;
}

bool StopRules::Matches(size_t i, const VarTable& records, const script::DumpValues& dump) {
    const StopRule& rule = rules_[i];
    if (!rule.enabled) return false;
    if (rule.dumpId != kAnyDumpPoint && rule.dumpId != dump.DumpId) return false;
    if (!conditions_[i].root) return true;
    const script::EvalResult r = script::Evaluate(conditions_[i], records, dump);
    if (r.ok) return r.value.b;
    RuleState& state = states_[i];
    if (state.error.empty()) {
        state.error = r.error + " at DumpID " + std::to_string(dump.DumpId);
        notices_.push_back("rule " + std::to_string(i + 1) + " (" + RuleSummary(rule) +
                           "): " + state.error);
    }
    return false;
}

Verdict StopRules::Judge(const VarTable& records, const script::DumpValues& dump, int64_t timeUs,
                         bool targetWaits) {
    Verdict verdict;
    std::lock_guard<std::mutex> lock(mutex_);
    if (rules_.empty()) return verdict;
    if (armedUs_ < 0) armedUs_ = timeUs;
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "DumpID %d  %.3f s", static_cast<int>(dump.DumpId),
                  static_cast<double>(timeUs - armedUs_) / 1e6);
    for (size_t i = 0; i < rules_.size(); ++i) {
        if (!Matches(i, records, dump)) continue;
        RuleState& state = states_[i];
        ++state.matches;
        if (rules_[i].hitCount > 0 && state.matches != rules_[i].hitCount) continue;
        Firing f{i,    dump.DumpId, timeUs, targetWaits, rules_[i].action, RuleSummary(rules_[i]),
                 stamp};
        if (f.action == RuleAction::Log) {
            std::string line, error;
            if (!templates_[i].Render(records, dump, line, error)) {
                if (state.error.empty()) {
                    state.error = error + " at DumpID " + std::to_string(dump.DumpId);
                    notices_.push_back("rule " + std::to_string(i + 1) + " (" + f.summary +
                                       "): " + state.error);
                }
                continue;
            }
            f.line += "  " + line;
        }
        ++state.hits;
        verdict.hold = verdict.hold || f.action == RuleAction::Hold;
        verdict.firings.push_back(f);
        if (firings_.size() >= kKeptFirings)
            firings_.erase(firings_.begin(), firings_.begin() + kKeptFirings / 4);
        firings_.push_back(std::move(f));
    }
    return verdict;
}

std::vector<StopRule> StopRules::Rules() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return rules_;
}

std::vector<RuleState> StopRules::States() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return states_;
}

std::vector<Firing> StopRules::TakeFirings() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Firing> taken;
    taken.swap(firings_);
    return taken;
}

std::vector<std::string> StopRules::TakeNotices() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> taken;
    taken.swap(notices_);
    return taken;
}

bool StopRules::Empty() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return rules_.empty();
}

}  // namespace varnolux::rules
