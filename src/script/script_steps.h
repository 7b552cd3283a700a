#pragma once
// A target test script: one step a line, "#" comments, checked against the
// loaded project before anything is sent to the target.
#include <cstdint>
#include <string>
#include <vector>

#include "script/script_expr.h"
#include "state/session.h"

namespace varnolux::script {

enum class StepKind { Wait, Expect, Set, Continue, Reset };

struct Step {
    StepKind kind = StepKind::Wait;
    int line = 0;      // 1-based line of the script
    std::string text;  // the step as written, without comment and outer blanks
    // wait: at dump point dumpId (0: any, with `until`), its count-th arrival
    // or its first arrival where `expr` holds
    int32_t dumpId = 0;
    long count = 1;
    double timeoutS = 10;
    bool until = false;
    // expect, wait until
    Expression expr;
    // set: the record and the value text as the Modify window reads it
    int32_t record = -1;
    std::string valueText;
};

struct ScriptError {
    int line = 0;
    size_t column = 0;
    std::string message;
};

// What a script is checked against: the project as loaded.
struct ScriptContext {
    const VarTable& records;
    const DumpPointTable& dumpPoints;
    int32_t core = 16;
};

// Parses and checks every line; the first error ends it.
bool ParseScript(const std::string& text, const ScriptContext& context, std::vector<Step>& steps,
                 ScriptError& error);

}  // namespace varnolux::script
