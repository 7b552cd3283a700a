#include "views/rules/rule_desk.h"

namespace varnolux {

RuleTick RuleDesk::Tick(const RunState& run, HostOs& os) {
    RuleTick tick;
    const HoldShown before = hold_;
    const size_t beforeRule = holdRule_;
    const int32_t beforeDumpId = holdDumpId_;
    std::string fileText;
    for (const rules::Firing& firing : armed_.TakeFirings()) {
        if (firing.action == rules::RuleAction::Log) {
            tick.newLines.push_back(firing.line);
            lines_.push_back(firing.line);
            if (lines_.size() > kRuleLogLinesKept) lines_.pop_front();
            fileText += firing.line + "\r\n";
            continue;
        }
        tick.status = FiringStatusText(firing);
        if (firing.action != rules::RuleAction::Hold) continue;
        hold_ = HoldShown::Held;
        holdRule_ = firing.rule;
        holdDumpId_ = firing.DumpId;
        holdTimeUs_ = firing.timeUs;
        sawWaiting_ = false;
        holdPackets_ = run.PacketCount.load();
    }
    if (logToFile_ && !logPath_.empty() && !fileText.empty()) os.AppendFile(logPath_, fileText);

    // A hold where the target cannot wait froze the views; one at a dumpw
    // point lasts until the target runs again after waiting.
    if (run.ViewsFrozen.load() == 1) {
        if (hold_ != HoldShown::None) hold_ = HoldShown::Frozen;
    } else if (hold_ == HoldShown::Frozen) {
        hold_ = HoldShown::None;
    } else if (hold_ == HoldShown::Held) {
        // A replay holds where it stands: the mark goes once it steps on.
        if (run.Replaying.load() == 1) {
            if (run.PacketCount.load() != holdPackets_) hold_ = HoldShown::None;
        } else if (run.TargetWaiting.load() == 1)
            sawWaiting_ = true;
        else if (sawWaiting_)
            hold_ = HoldShown::None;
    }
    tick.hold = hold_;
    tick.rule = holdRule_;
    tick.dumpId = holdDumpId_;
    tick.timeUs = holdTimeUs_;
    tick.titleChanged = hold_ != before || holdRule_ != beforeRule || holdDumpId_ != beforeDumpId;
    return tick;
}

}  // namespace varnolux
