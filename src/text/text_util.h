#pragma once
// Small text helpers shared by the readers of the project's files.
#include <string>

namespace varnolux {

// Value of one hexadecimal digit, -1 for any other character.
int HexDigit(char c);
// ASCII letters to lower or upper case; other bytes unchanged.
std::string LowerCase(std::string text);
std::string UpperCase(std::string text);
// A blank: space, tab, or the carriage return a CR LF line end leaves behind.
bool IsBlank(char c);
// Without the blanks at both ends, or at the end only.
std::string TrimBlanks(const std::string& text);
std::string TrimTrailingBlanks(const std::string& text);

}  // namespace varnolux
