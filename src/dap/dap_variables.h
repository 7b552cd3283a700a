#pragma once
// The editor's variables pane on a stop: three scopes (Variables, Ports,
// EEPROM) and their variables with values as the main list shows them, in
// the list's radix or in hexadecimal when the client asks.
#include <cstdint>

#include "dap/dap_json.h"
#include "dap/stop_view.h"

namespace varnolux::dap {

// Variables references: the scopes, then an array's elements by its record
// index and a port's bits by the port's number.
constexpr long kVariablesScope = 1;
constexpr long kPortsScope = 2;
constexpr long kEepromScope = 3;
constexpr long kArrayBase = 1000;
constexpr long kPortBase = 900;

// The "scopes" of a stop.
Json Scopes(const StopView& view);

// The "variables" of a reference; an empty array for one that names nothing.
Json Variables(const StopView& view, long reference, bool hex);

// A record's value text (list radix, or hexadecimal), "no value yet" before
// its first dump.
std::string RecordValueText(const MyVarRecord& record, bool hex);

// The record index a name of the reference's variables names; -1 for none.
int32_t RecordOfVariable(const VarTable& records, long reference, const std::string& name);

}  // namespace varnolux::dap
