#pragma once
// What the main window shows of a rule that fired: the status bar names the
// rule and the DumpID; the title shows whether the target is held at a dumpw
// point or the views are frozen on a plain dump.
#include <string>

#include "rules/stop_rules.h"

namespace varnolux {

enum class HoldShown { None, Held, Frozen };

// " Rule 2 fired at DumpID 3: hold when TEMP > 23 at DumpID 3".
std::string FiringStatusText(const rules::Firing& firing);

// The title with the hold's mark after it, any earlier mark taken off first:
// "Varnolux  demo   [held by rule 2 at DumpID 3]".
std::string TitleWithHold(const std::string& title, HoldShown hold, size_t rule, int32_t dumpId);

// The file log lines go to when the setting asks for it: "<project>.rules.log"
// in the project's folder.
std::string RuleLogPath(const std::string& programFolder, const std::string& baseName);

}  // namespace varnolux
