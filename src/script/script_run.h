#pragma once
// Runs the steps of a checked script against the target, one at a time,
// reporting a line per step.
#include <functional>
#include <string>
#include <vector>

#include "script/script_steps.h"
#include "script/script_target.h"

namespace varnolux::script {

enum class CaseResult { Passed, Failed, NotRun };

// One expectation's outcome, or the step that ended the run.
struct ScriptCase {
    int line = 0;
    std::string text;
    CaseResult result = CaseResult::NotRun;
    bool isExpect = true;  // false: the step whose time-out or lost link ended the run
    std::string message;   // what failed, with the values and the DumpID
    double seconds = 0;
};

enum ScriptStatus { kAllHeld = 0, kExpectFailed = 1, kNotRun = 2, kTimedOut = 3 };

struct ScriptRunResult {
    int status = kAllHeld;
    std::vector<ScriptCase> cases;
    double seconds = 0;
};

struct RunOptions {
    bool failFast = false;
    double requestTimeoutS = 10;                    // a modify waiting for an earlier one
    std::function<bool()> linkAlive;                // false once the link thread ended
    std::function<void(const std::string&)> print;  // one line, without its newline
};

ScriptRunResult RunScript(const std::vector<Step>& steps, Session& session, ScriptTarget& target,
                          const RunOptions& options);

// "state = 1, tick = 40" for the variables of the expression at the dump.
std::string NamedValues(const Expression& e, const VarTable& records, const DumpValues& dump);

}  // namespace varnolux::script
