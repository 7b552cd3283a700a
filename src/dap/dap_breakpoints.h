#pragma once
// The editor's breakpoints on the project's sources: a line that holds a dump
// or dumpw statement becomes a stop rule at that DumpID (its condition, hit
// condition and log message the rule's); any other line stays unverified.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "dap/dap_json.h"
#include "rules/stop_rule.h"
#include "state/dump_points.h"
#include "state/var_record.h"

namespace varnolux::dap {

constexpr const char* kNoDumpOnLine = "no dump or dumpw on this line";

// The index of the project's source file a client's path names (by its file
// name, in any case, as the listing may spell it otherwise); -1 for none.
int32_t SourceIndexOfPath(const std::vector<std::string>& sourcePaths, const std::string& path);

// The DumpID whose statement is on that line of that file; -1 for none.
int32_t DumpIdAtLine(const DumpPointTable& points, int32_t file, long line);

// "3", "= 3" or "== 3": the breakpoint stops at the 3rd match only; false for
// anything else.
bool ReadHitCondition(const std::string& text, long& hitCount);

struct Breakpoint {
    long id = 0;
    long line = 0;
    bool verified = false;
    std::string message;  // why it is not verified
    bool conditional = false;
    rules::StopRule rule;
};

// The breakpoint of a "setBreakpoints" entry on a line of source file `file`
// (-1: a file that is no source of the project).
Breakpoint MakeBreakpoint(const Json& request, int32_t file, const DumpPointTable& points,
                          const VarTable& records, long id);

// The breakpoint as the response lists it.
Json BreakpointJson(const Breakpoint& b);

// Every source's breakpoints, replaced a source at a time as the editor sends them.
class BreakpointTable {
  public:
    long NextId() { return ++lastId_; }
    void Replace(const std::string& source, std::vector<Breakpoint> breakpoints);
    // The verified breakpoints' rules, and the breakpoint of each rule.
    std::vector<rules::StopRule> Rules(std::vector<const Breakpoint*>& ofRule) const;

  private:
    long lastId_ = 0;
    std::map<std::string, std::vector<Breakpoint>> bySource_;
};

}  // namespace varnolux::dap
