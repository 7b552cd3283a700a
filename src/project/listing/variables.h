#pragma once
// The second stage of the listing: one record per variable, array and array
// element from the lines between "[Variable Listing]" and "[End Listing]".
#include <string>
#include <vector>

#include "state/var_record.h"

namespace varnolux {

// Reads the section from line `first` on (the line after "[Variable Listing]")
// and appends the records. Lines with empty or malformed fields, variables that
// lie beyond the RAM image and records past kMaxRecords are left out and counted
// in one message each; an unknown type keyword keeps its record with VarType 0.
// Returns the index of the line after "[End Listing]", or lines.size() when the
// listing ends inside the section (" 5 end of data ").
size_t ReadVariableSection(const std::vector<std::string>& lines, size_t first, VarTable& records,
                           std::vector<std::string>& messages);

}  // namespace varnolux
