#include "script/script_run.h"

#include <chrono>
#include <thread>

#include "vars/value_format.h"

namespace varnolux::script {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPoll = std::chrono::milliseconds(5);

double Since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

std::string DumpIdText(const DumpValues& d) {
    return "DumpID " + std::to_string(d.DumpId);
}

class Runner {
  public:
    Runner(Session& s, ScriptTarget& t, const RunOptions& o) : s_(s), t_(t), o_(o) {}

    ScriptRunResult Run(const std::vector<Step>& steps) {
        const Clock::time_point start = Clock::now();
        current_ = t_.Latest();
        size_t i = 0;
        for (; i < steps.size() && !ended_; ++i) {
            RunStep(steps[i]);
            if (failed_ && o_.failFast) ended_ = true;
        }
        for (; i < steps.size(); ++i)
            if (steps[i].kind == StepKind::Expect)
                result_.cases.push_back(ScriptCase{steps[i].line, steps[i].text, CaseResult::NotRun,
                                                   true, "not run", 0});
        NoteConfirmation();
        if (pendingSet_ >= 0)
            Print("     set " + Label(pendingSet_) + ": not confirmed, no dump came after it");
        result_.status = timedOut_ ? kTimedOut : failed_ ? kExpectFailed : kAllHeld;
        result_.seconds = Since(start);
        return std::move(result_);
    }

  private:
    void Print(const std::string& line) {
        if (o_.print) o_.print(line);
    }
    std::string Label(int32_t record) const {
        return s_.records[static_cast<size_t>(record)].VarLabel;
    }
    std::string Where(const Step& step) const {
        return "line " + std::to_string(step.line) + ": " + step.text;
    }

    // The dump that confirms a modify shows the value the target then holds.
    void NoteConfirmation() {
        int32_t record = -1;
        DumpValues dump;
        if (!t_.Confirmation(record, dump)) return;
        pendingSet_ = -1;
        const MyVarRecord& r = s_.records[static_cast<size_t>(record)];
        const RecordValues& v = dump.records[static_cast<size_t>(record)];
        Print("     set " + r.VarLabel + ": " + DumpIdText(dump) + " shows " +
              ValueText(RecordValue(r, v.value)));
    }

    void EndRun(const Step& step, const std::string& why, double seconds) {
        timedOut_ = true;
        ended_ = true;
        Print("STOP " + Where(step) + ": " + why);
        result_.cases.push_back(
            ScriptCase{step.line, step.text, CaseResult::Failed, false, why, seconds});
    }

    // Polls until `done` or the time-out; false when the run had to end.
    template <typename Done>
    bool Await(const Step& step, double timeoutS, const std::string& what, Done done) {
        const Clock::time_point start = Clock::now();
        while (!done()) {
            NoteConfirmation();
            if (o_.linkAlive && !o_.linkAlive()) {
                EndRun(step, "the link was lost", Since(start));
                return false;
            }
            if (Since(start) > timeoutS) {
                char text[32];
                std::snprintf(text, sizeof text, "%g", timeoutS);
                EndRun(step, "time-out after " + std::string(text) + " s " + what, Since(start));
                return false;
            }
            std::this_thread::sleep_for(kPoll);
        }
        NoteConfirmation();
        return true;
    }

    void RunStep(const Step& step) {
        NoteConfirmation();
        switch (step.kind) {
            case StepKind::Wait: {
                t_.StartWait(step.dumpId, step.count, step.until ? &step.expr : nullptr);
                const std::string what =
                    step.until ? "waiting for the condition"
                               : "waiting for dump point " + std::to_string(step.dumpId);
                if (!Await(step, step.timeoutS, what, [&] { return t_.WaitDone(current_); })) {
                    t_.CancelWait();
                    return;
                }
                const size_t at = static_cast<size_t>(current_.DumpId);
                const bool held =
                    at < s_.dumpPoints.entries.size() && s_.dumpPoints.entries[at].kind == 1;
                Print("ok   " + Where(step) + ": arrived" +
                      (step.until ? " at " + DumpIdText(current_) + " (" +
                                        NamedValues(step.expr, s_.records, current_) + ")"
                                  : std::string()) +
                      (held ? ", held" : ""));
                return;
            }
            case StepKind::Expect:
                Expect(step);
                return;
            case StepKind::Set: {
                if (!Await(step, o_.requestTimeoutS, "for the modify before to be sent",
                           [&] { return s_.run.ModifyPending.load() == 0; }))
                    return;
                if (!t_.Modify(step.record, step.valueText)) {
                    EndRun(step, "Invalid value", 0);
                    return;
                }
                pendingSet_ = step.record;
                Print("ok   " + Where(step) +
                      ": pending, sent at the target's next \"c\" or \"d\"");
                return;
            }
            case StepKind::Continue: {
                const bool held = s_.run.TargetWaiting.load() == 1;
                s_.run.TargetWaiting = 0;  // the Continue button
                Print("ok   " + Where(step) + (held ? ": released" : ": the target was not held"));
                return;
            }
            case StepKind::Reset:
                s_.run.ResetRequested = 1;
                Print("ok   " + Where(step) +
                      ": requested, sent at the target's next \"c\" or \"d\"");
                return;
        }
    }

    void Expect(const Step& step) {
        const Clock::time_point start = Clock::now();
        ScriptCase c{step.line, step.text, CaseResult::Passed, true, {}, 0};
        if (current_.records.empty()) {
            c.result = CaseResult::Failed;
            c.message = "no dump yet";
        } else {
            const EvalResult r = Evaluate(step.expr, s_.records, current_);
            if (!r.ok || !r.value.b) {
                c.result = CaseResult::Failed;
                c.message = (r.ok ? std::string() : r.error + "; ") + DumpIdText(current_);
                const std::string values = NamedValues(step.expr, s_.records, current_);
                if (!values.empty()) c.message += ": " + values;
            }
        }
        c.seconds = Since(start);
        if (c.result == CaseResult::Failed) failed_ = true;
        Print((c.result == CaseResult::Passed ? "pass " : "FAIL ") + Where(step) +
              (c.message.empty() ? "" : " (" + c.message + ")"));
        result_.cases.push_back(std::move(c));
    }

    Session& s_;
    ScriptTarget& t_;
    const RunOptions& o_;
    ScriptRunResult result_;
    DumpValues current_;
    int32_t pendingSet_ = -1;
    bool failed_ = false;
    bool timedOut_ = false;
    bool ended_ = false;
};

}  // namespace

std::string NamedValues(const Expression& e, const VarTable& records, const DumpValues& dump) {
    std::string text;
    for (int32_t index : e.Names()) {
        const size_t i = static_cast<size_t>(index);
        if (i >= dump.records.size()) continue;
        const MyVarRecord& r = records[i];
        const RecordValues& v = dump.records[i];
        if (!text.empty()) text += ", ";
        text +=
            r.VarLabel + " = " + (v.valueInit ? ValueText(RecordValue(r, v.value)) : "no value");
        if (v.previousInit) text += " (prev " + ValueText(RecordValue(r, v.previous)) + ")";
    }
    return text;
}

ScriptRunResult RunScript(const std::vector<Step>& steps, Session& session, ScriptTarget& target,
                          const RunOptions& options) {
    return Runner(session, target, options).Run(steps);
}

}  // namespace varnolux::script
