#pragma once
// What a source's "dim" lines add: heap bytes, and per variable its comment and
// whether it is signed.
#include <string>
#include <unordered_map>

#include "project/sources/lines.h"
#include "state/project_facts.h"
#include "state/var_record.h"

namespace varnolux {

// Lower-case label -> index of the first record carrying it. The compiler may
// list names in upper case while the source keeps its own case.
using LowerLabelIndex = std::unordered_map<std::string, size_t>;
LowerLabelIndex IndexLowerLabels(const VarTable& records);

// A dim line is "dim name as type [qualifier]" (field 3 is "as").
bool IsDimLine(const SourceLine& line);

// "dim buf[10] as word heap" adds 10 x 2 bytes to the heap total.
void CountHeapBytes(const SourceLine& line, ProjectFacts& project);

// Gives the declared record the line's comment and, for sbyte/sword/sdword, the
// signed type with decimal display (an array's elements follow it).
void ApplyDimFacts(const SourceLine& line, VarTable& records, const LowerLabelIndex& index);

}  // namespace varnolux
