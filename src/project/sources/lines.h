#pragma once
// One line of a firmware source prepared for the source scanner: split into
// code and comment, normalised, and cut into its first six lower-case words.
#include <array>

#include <cstdint>
#include <string>
#include <vector>
#include "text/text_util.h"

namespace varnolux {

constexpr int kSourceWords = 6;

struct SourceLine {
    std::string code;                              // normalised code part
    std::string comment;                           // comment text without surrounding blanks
    std::array<std::string, kSourceWords> fields;  // words 1..6 at index 0..5, lower case
};

// Splits at the first "'" or ";" (a marker inside a string literal also starts a
// comment), turns tabs into blanks, collapses blank runs, trims, replaces each
// parenthesis by a blank and cuts the code at single blanks into the six fields.
SourceLine PrepareSourceLine(const std::string& raw);

// Word 1 of the prepared line (lower case) without preparing the rest: the
// scanner looks at the whole line only when this word is one of its keywords.
std::string FirstSourceWord(const std::string& raw);

// The lines of a text file; LF and CR LF line ends both end a line.
std::vector<std::string> SourceTextLines(const std::string& text);
// Lines first .. first + count - 1 (0-based; fewer at the end of the text), split
// as SourceTextLines splits them; the text after the last of them is not looked at.
std::vector<std::string> SourceTextLineRange(const std::string& text, size_t first, size_t count);

// Leading decimal digits after an optional sign, as a number; 0 when there are
// none. Values beyond the 32-bit range are clamped.
int64_t LeadingDecimal(const std::string& text);

// A number in the signed style: one leading blank when not negative (" 5", "-5").
std::string LeadingBlankDecimal(int64_t value);

}  // namespace varnolux
