#pragma once
// The first stage of the listing: the source file list from the "FILE" lines
// before the variable section.
#include <string>
#include <vector>

namespace varnolux {

constexpr size_t kMaxSourceFiles = 101;

// Appends the name of every "FILE ... = name" comment line to `files` (at most
// kMaxSourceFiles; past that one message is added to `messages`). Returns the
// index of the "[Variable Listing]" line, or lines.size() when there is none.
size_t ReadSourceFileList(const std::vector<std::string>& lines, std::vector<std::string>& files,
                          std::vector<std::string>& messages);

}  // namespace varnolux
