#pragma once
// The front end's side of the stop rules, whether their window is open or
// not: the rules as entered, the log lines of the run, and at each tick of the
// main window's timer the firings taken from the link: log lines kept (and,
// with the setting, appended to the project's rules log), the status text of
// the last firing, and whether the view is held or frozen for the title.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "rules/stop_rules.h"
#include "seams/host_os.h"
#include "state/run_state.h"
#include "views/rules/rule_book.h"
#include "views/rules/rule_texts.h"

namespace varnolux {

constexpr size_t kRuleLogLinesKept = 1000;  // in the window; the file keeps all

struct RuleTick {
    std::string status;                 // the last firing's status text; empty: none
    std::vector<std::string> newLines;  // log lines since the last tick
    bool titleChanged = false;          // the hold's mark changed
    HoldShown hold = HoldShown::None;
    size_t rule = 0;  // the rule that holds, where and when (the link clock's time)
    int32_t dumpId = -1;
    int64_t timeUs = 0;
};

class RuleDesk {
  public:
    explicit RuleDesk(rules::StopRules& armed) : armed_(armed), book_(armed) {}

    RuleBook& Book() { return book_; }
    const RuleBook& Book() const { return book_; }
    const rules::StopRules& Armed() const { return armed_; }
    bool LogToFile() const { return logToFile_; }
    void SetLogToFile(bool on) { logToFile_ = on; }
    // Where the log lines go with the setting on; empty: no project yet.
    void SetLogPath(std::string path) { logPath_ = std::move(path); }
    const std::deque<std::string>& LogLines() const { return lines_; }
    // What the window shows: why the last edit was refused, else why the
    // rules are not armed; empty: neither.
    const std::string& Fault() const { return editFault_.empty() ? fault_ : editFault_; }
    // Why the rules are not armed; empty: they are.
    void SetFault(std::string fault) {
        fault_ = std::move(fault);
        editFault_.clear();
    }
    // Why an edit was refused; the rules stay as they were armed.
    void SetEditFault(std::string fault) { editFault_ = std::move(fault); }
    // Another rule chosen in the list: a refused edit's fault goes.
    void RuleChosen() { editFault_.clear(); }

    // Takes the firings since the last tick and follows the run: a hold shows
    // as held while the target waits after it (in a replay, until it steps
    // on), as frozen while the views are.
    RuleTick Tick(const RunState& run, HostOs& os);

  private:
    rules::StopRules& armed_;
    RuleBook book_;
    bool logToFile_ = false;
    std::string logPath_;
    std::deque<std::string> lines_;
    std::string fault_;
    std::string editFault_;
    // The hold shown in the title.
    HoldShown hold_ = HoldShown::None;
    size_t holdRule_ = 0;
    int32_t holdDumpId_ = -1;
    int64_t holdTimeUs_ = 0;
    bool sawWaiting_ = false;
    int32_t holdPackets_ = 0;  // the packet count a replay stood at when the hold came
};

}  // namespace varnolux
