#pragma once
// A log point's line: text with expressions in braces, "T={TEMP} H={HEATER}",
// each replaced by its value at the dump. "{{" and "}}" stand for braces.
#include <string>
#include <vector>

#include "script/script_expr.h"

namespace varnolux::rules {

class LogTemplate {
  public:
    // False with the column (1-based, in `text`) and the fault.
    bool Parse(const std::string& text, const VarTable& records, script::ParseError& error);
    // The line at the dump; false with `error` when a value cannot be had.
    bool Render(const VarTable& records, const script::DumpValues& dump, std::string& line,
                std::string& error) const;

  private:
    struct Piece {
        std::string text;
        bool isValue = false;
        script::Expression value;
    };
    std::vector<Piece> pieces_;
};

}  // namespace varnolux::rules
