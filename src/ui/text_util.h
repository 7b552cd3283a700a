#pragma once
// Small text helpers shared by the readers of the project's files.
#include <string>

namespace varnolux {

// Value of one hexadecimal digit, -1 for any other character.
int HexDigit(char c);
// ASCII letters to lower or upper case; other bytes unchanged.
std::string LowerCase(std::string text);
std::string UpperCase(std::string text);
// Without the blanks and tabs at both ends.
std::string TrimBlanksAndTabs(const std::string& text);

}  // namespace varnolux
