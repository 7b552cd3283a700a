#pragma once
// Text for the user on its way out: UTF-8 bytes to files and pipes, and to a
// Windows console as the characters themselves, which it shows whatever its
// code page (UTF-8 bytes would show as "Â°C" there).
#include <cstdio>
#include <string>

namespace varnolux::cli {

// Writes the text (UTF-8, or code-page bytes taken as Latin-1) to the stream.
void WriteText(std::FILE* stream, const std::string& text);

}  // namespace varnolux::cli
