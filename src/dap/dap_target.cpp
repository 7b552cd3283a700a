#include "dap/dap_target.h"

namespace varnolux::dap {

DapTarget::DapTarget(Session& session, rules::StopRules& rules, script::ScriptTarget& script)
    : session_(session), rules_(rules), script_(script) {
    session_.run.UntilDumpId = -1;
    session_.run.RepeatDumpId = script::kRunEverywhere;
}

void DapTarget::TransactionDone() {
    script_.TransactionDone();
    RunState& run = session_.run;
    std::vector<size_t> holds;
    std::vector<std::string> lines;
    for (const rules::Firing& f : rules_.TakeFirings()) {
        if (f.action == rules::RuleAction::Hold) holds.push_back(f.rule);
        if (f.action == rules::RuleAction::Log) lines.push_back(f.line);
    }
    const bool waits = run.TargetWaiting.load() == 1;
    const bool ruleHold = run.RuleHold.load() == 1 && !holds.empty();

    std::lock_guard<std::mutex> lock(mutex_);
    for (std::string& l : lines) news_.logLines.push_back(std::move(l));
    const bool requested = holdNext_ && waits;
    if (!ruleHold && !requested) return;
    StopNote note;
    note.waits = waits;
    note.firedRules = holds;
    if (!holds.empty()) {
        const bool conditional = holds[0] < conditional_.size() && conditional_[holds[0]];
        note.reason = conditional ? StopReason::DataBreakpoint : StopReason::Breakpoint;
    } else {
        note.reason = holdReason_;
    }
    note.view = TakeStopView(session_);
    if (!stopped_) {
        Report(std::move(note));
    } else if (waits && !heldSince_) {
        heldSince_ = true;
        heldNote_ = std::move(note);
    }
}

void DapTarget::Report(StopNote note) {
    stopped_ = true;
    holdNext_ = false;
    news_.stops.push_back(std::move(note));
}

void DapTarget::HoldNext(StopReason reason) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_) return;
    holdNext_ = true;
    holdReason_ = reason;
    session_.run.RepeatDumpId = -1;
}

void DapTarget::Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!stopped_) return;
    stopped_ = false;
    session_.run.ViewsFrozen = 0;
    session_.run.RepeatDumpId = script::kRunEverywhere;
    if (heldSince_) {
        heldSince_ = false;
        Report(std::move(heldNote_));
        return;
    }
    session_.run.TargetWaiting = 0;  // the Continue button
}

void DapTarget::SetConditional(std::vector<bool> conditional) {
    std::lock_guard<std::mutex> lock(mutex_);
    conditional_ = std::move(conditional);
}

bool DapTarget::Stopped() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return stopped_;
}

LinkNews DapTarget::Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    LinkNews news = std::move(news_);
    news_ = LinkNews();
    return news;
}

std::string ReasonName(StopReason reason) {
    switch (reason) {
        case StopReason::Breakpoint:
            return "breakpoint";
        case StopReason::DataBreakpoint:
            return "data breakpoint";
        case StopReason::Entry:
            return "entry";
        case StopReason::Pause:
            return "pause";
    }
    return "breakpoint";
}

std::string StopDescription(const StopNote& note, const DumpPointTable& points) {
    const int32_t id = note.view.DumpId;
    std::string where = "DumpID " + std::to_string(id);
    if (id > 0 && id < kDumpPointEntries && !points.entries[id].comment.empty())
        where += " (" + points.entries[id].comment + ")";
    if (note.waits) return "Dumpw at " + where + ": the target waits until Continue";
    return "Dump at " + where +
           ": a snapshot; the target cannot wait there and runs on, the values are this dump's";
}

}  // namespace varnolux::dap
