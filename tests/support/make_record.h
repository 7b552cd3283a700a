#pragma once
// Records as the listing loader makes them, for tests that build a table by hand.
#include <string>

#include "state/var_record.h"

namespace varnolux {

// A record shown in the main list; an array's elements start hidden.
inline MyVarRecord MakeRecord(const std::string& label, int32_t type, int32_t address,
                              int32_t len = 1, int32_t recordType = RT_VARIABLE) {
    MyVarRecord r;
    r.VarLabel = label;
    r.VarType = type;
    r.VarAddress = address;
    r.VarLen = len;
    r.VarRecordType = recordType;
    r.VarIsExpanded = recordType == RT_SUBSCRIPT ? 0 : 1;
    return r;
}

}  // namespace varnolux
