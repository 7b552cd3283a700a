#pragma once
// The literals of an expression, in the Modify window's notations: a
// character "A", binary %1010, hexadecimal $FF, decimal 12 and floats 1.5,
// 2e3.
#include <string>

#include "script/script_expr.h"

namespace varnolux::script {

// Reads the literal that begins at `pos`; on success `pos` stands after it.
// False with `error` set (its column 1-based) when the text there is none.
bool ReadLiteral(const std::string& text, size_t& pos, Value& value, ParseError& error);

}  // namespace varnolux::script
