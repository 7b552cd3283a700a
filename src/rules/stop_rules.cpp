#include "rules/stop_rules.h"

#include <cstdio>

namespace varnolux::rules {

namespace {

// "{T}" parts of a template: the texts between, and the expressions.
struct TemplateParts {
    std::vector<std::string> texts;
    std::vector<std::string> expressions;
};

TemplateParts SplitTemplate(const std::string& t) {
    TemplateParts p;
    size_t at = 0;
    for (;;) {
        const size_t open = t.find('{', at);
        const size_t close = open == std::string::npos ? open : t.find('}', open);
        if (close == std::string::npos) {
            p.texts.push_back(t.substr(at));
            return p;
        }
        p.texts.push_back(t.substr(at, open - at));
        p.expressions.push_back(t.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

}  // namespace

bool StopRules::Arm(std::vector<StopRule> rules, const VarTable& records,
                    const DumpPointTable& points, size_t& badRule, RuleError& error) {
    std::vector<script::Expression> conditions(rules.size());
    std::vector<std::vector<script::Expression>> templates(rules.size());
    for (size_t i = 0; i < rules.size(); ++i) {
        if (!CheckRule(rules[i], records, points, error)) {
            badRule = i;
            return false;
        }
        script::ParseError pe;
        if (!rules[i].condition.empty())
            script::ParseExpression(rules[i].condition, records, conditions[i], pe);
        if (rules[i].action == RuleAction::Log)
            for (const std::string& e : SplitTemplate(rules[i].logTemplate).expressions) {
                templates[i].emplace_back();
                script::ParseExpression(e, records, templates[i].back(), pe);
            }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    rules_ = std::move(rules);
    conditions_ = std::move(conditions);
    templates_ = std::move(templates);
    states_.assign(rules_.size(), RuleState());
    return true;
}

void StopRules::SetEnabled(size_t rule, bool enabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (rule < rules_.size()) rules_[rule].enabled = enabled;
}

Verdict StopRules::Judge(const VarTable& records, const script::DumpValues& dump, int64_t timeUs) {
    Verdict v;
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < rules_.size(); ++i) {
        const StopRule& r = rules_[i];
        if (!r.enabled || (r.dumpId != kAnyDumpPoint && r.dumpId != dump.DumpId)) continue;
        if (!r.condition.empty()) {
            const script::EvalResult e = script::Evaluate(conditions_[i], records, dump);
            if (!e.ok) {
                if (states_[i].error.empty())
                    states_[i].error = e.error + " at DumpID " + std::to_string(dump.DumpId);
                continue;
            }
            const bool match = e.value.kind == script::ValueKind::Bool  ? e.value.b
                               : e.value.kind == script::ValueKind::Int ? e.value.i != 0
                                                                        : e.value.f != 0;
            if (!match) continue;
        }
        const long matches = ++states_[i].matches;
        if (r.hitCount != 0 && matches != r.hitCount) continue;
        ++states_[i].hits;
        Firing f;
        f.rule = i;
        f.DumpId = dump.DumpId;
        f.timeUs = timeUs;
        f.action = r.action;
        f.summary = RuleSummary(r);
        if (r.action == RuleAction::Log) {
            const TemplateParts parts = SplitTemplate(r.logTemplate);
            char head[64];
            std::snprintf(head, sizeof head, "DumpID %d  %.3f s  ", dump.DumpId,
                          static_cast<double>(timeUs) / 1e6);
            f.line = head;
            for (size_t k = 0; k < parts.texts.size(); ++k) {
                f.line += parts.texts[k];
                if (k >= templates_[i].size()) continue;
                const script::EvalResult e = script::Evaluate(templates_[i][k], records, dump);
                f.line += e.ok ? script::ValueText(e.value) : "?";
            }
        }
        if (r.action == RuleAction::Hold) v.hold = true;
        v.firings.push_back(f);
        firings_.push_back(std::move(f));
    }
    return v;
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
    std::vector<Firing> f = std::move(firings_);
    firings_.clear();
    return f;
}

bool StopRules::Empty() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return rules_.empty();
}

}  // namespace varnolux::rules
