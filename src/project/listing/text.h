#pragma once
// Reading the pieces of a listing line: the compiler's comment text after ";",
// blank-separated words, and numbers written the assembler's way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

// The lines of the file; LF and CR LF both end a line.
std::vector<std::string> ListingLines(const std::string& text);

// The text after the first ";" up to the next ";" or the end; empty without ";".
std::string CommentText(const std::string& line);

// The text cut at every `separator`, empty pieces kept.
std::vector<std::string> SplitAt(const std::string& text, char separator);

// The first `limit` words of the line after collapsing blank runs (blanks and tabs).
std::vector<std::string> BlankWords(const std::string& line, size_t limit = SIZE_MAX);

// Word n (1-based) of the words, empty when there are fewer.
const std::string& Word(const std::vector<std::string>& words, size_t n);

// Leading hexadecimal digits as a number; reading stops at the first other
// character. False when there is no digit or the value needs more than 32 bits.
bool LeadingHex(const std::string& text, uint32_t& value);

// Leading decimal digits after blanks and an optional sign. False when there is
// no digit or the value is outside the 32-bit signed range.
bool LeadingDecimalNumber(const std::string& text, int32_t& value);

}  // namespace varnolux
