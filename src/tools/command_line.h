#pragma once
// Command lines for launched programs and the names of files written beside the
// project, made safe against names that come from project files.
#include <string>

namespace varnolux {

// One argument of a Windows command line: in double quotes, with the quotes
// and the backslashes before them escaped the way programs split their command
// lines, so a name with blanks, quotes or "&" stays one argument and adds none.
std::string QuotedArgument(const std::string& argument);

// Whether the text names a file directly in the working folder: no folder part,
// no control character, none of < > : " / \ | ? *, not "." or "..", and not a
// device name such as CON, NUL, COM1 or LPT1 (with or without an extension).
bool IsPlainFileName(const std::string& name);

// Whether the text holds a control character or a double quote, which no
// Windows path can hold.
bool HasUnusablePathCharacter(const std::string& path);

}  // namespace varnolux
