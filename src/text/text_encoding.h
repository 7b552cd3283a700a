#pragma once
// The program's texts on their way to a console or a script. Names that come
// from the file system are UTF-8; texts out of project files and from the
// target are bytes of the Windows code page. A text that is valid UTF-8 is
// taken as such, any other byte as a Latin-1 character.
#include <string>

namespace varnolux {

// The code points of a text, read as described above.
std::u32string DecodeText(const std::string& text);

// The text in UTF-8, unchanged in every other way.
std::string Utf8Text(const std::string& text);

// The text in UTF-16, as a Windows console takes it.
std::u16string Utf16Text(const std::string& text);

// UTF-8 with every control character but tab and line feed written as \xNN,
// so nothing that reaches a terminal moves its cursor or rings its bell.
std::string VisibleText(const std::string& text);

// A JSON string literal in ASCII: quotes, backslashes and every control
// character (C0, DEL, C1) escaped, other characters beyond ASCII as \uXXXX.
std::string JsonString(const std::string& text);

// One CSV field after RFC 4180: quoted (with doubled quotes) when it holds a
// comma, a quote, a line break or another control character.
std::string CsvField(const std::string& text);

}  // namespace varnolux
