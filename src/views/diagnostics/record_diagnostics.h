#pragma once
// The record diagnostics window's rows: one per record, one cell per field,
// the enumerations spelled out by name. A developer's view of the table.
#include <string>
#include <vector>

#include "state/var_record.h"

namespace varnolux {

// The header texts in column order, blanks included.
const std::vector<std::string>& DiagnosticsHeaders();

// The columns that carry a label; every other column is sized to its header.
bool IsDiagnosticsLabelColumn(int column);

// The cells of record `index`, in column order.
std::vector<std::string> DiagnosticsCells(int index, const MyVarRecord& record);

// Every record's cells; call with the records lock held.
std::vector<std::vector<std::string>> DiagnosticsRows(const VarTable& records);

}  // namespace varnolux
