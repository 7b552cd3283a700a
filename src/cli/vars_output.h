#pragma once
// What "varnolux-cli vars" prints: the loaded project as a table or as one
// JSON document whose keys are a stable contract for scripts.
#include <string>
#include <vector>

#include "state/session.h"

namespace varnolux::cli {

// One line per record: label, type, address, length, watched mark, comment.
std::string VarsTable(const Session& session);

// Keys: records, dumpPoints, sourceFiles, device, romReference, heapTotal, messages.
std::string VarsJson(const Session& session, const std::vector<std::string>& messages);

// The program's texts are in the Windows code page, the console expects UTF-8:
// bytes outside ASCII are taken as Latin-1 characters.
std::string Utf8FromLatin1(const std::string& text);

// A JSON string literal; bytes outside ASCII are taken as Latin-1 characters.
std::string JsonString(const std::string& text);

}  // namespace varnolux::cli
