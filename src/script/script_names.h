#pragma once
// Variables named as the compiler takes them: in any case, an exact spelling
// first; for a name that is none, the nearest names; and each type's range.
#include <cstdint>
#include <string>

#include "state/var_record.h"

namespace varnolux::script {

// The record named `name`, the one spelled exactly so first; -1 for none.
int32_t FindRecord(const VarTable& records, const std::string& name);

// `unknown variable "setpont" (did you mean setPoint?)`, naming up to three
// of the nearest labels when any is near enough to be a slip.
std::string UnknownVariable(const VarTable& records, const std::string& name);

// The values a variable of the type can hold; `known` is false for the types
// without a fixed integer range (floats, strings).
struct ValueRange {
    bool known = false;
    int64_t low = 0;
    int64_t high = 0;
};
ValueRange TypeRange(int32_t varType);

// "300 is outside state's range 0 to 255".
std::string OutOfRange(const MyVarRecord& record, int64_t value);

}  // namespace varnolux::script
