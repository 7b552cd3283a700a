#pragma once
// Why a project file could not be read, in the words of the messages: a file
// that is not there, or one that is there but cannot be read (no permission,
// locked by another program).
#include <string>

#include "seams/host_os.h"

namespace varnolux {

enum class FileProblem { None, Missing, Unreadable };

// Tries the file: None when it reads, else whether it exists at all.
FileProblem ProblemOfFile(const HostOs& os, const std::string& path);
// After a read of the file failed: whether it exists at all.
FileProblem MissingOrUnreadable(const HostOs& os, const std::string& path);

// What + " " + path + " not found" or " cannot be read (no permission?)";
// empty for None.
std::string FileProblemText(const std::string& what, const std::string& path, FileProblem problem);

}  // namespace varnolux
