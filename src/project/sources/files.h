#pragma once
// Finding the firmware's source files as the listing names them.
#include <optional>
#include <string>

#include "seams/host_os.h"

namespace varnolux {

// The name part of a path (after the last "\" or "/").
std::string FileNamePart(const std::string& path);

// The path to read for a source file of the listing: the recorded path when it
// exists, otherwise the file of the same name in the project's folder (a project
// folder that was moved or copied keeps working); nothing when neither exists.
std::optional<std::string> ResolveSourceFile(const HostOs& os, const std::string& projectFolder,
                                             const std::string& listed);

// The file's name as stored on disk (its own upper and lower case), without
// folder; the name part as given when the directory does not list it.
std::string StoredFileName(const HostOs& os, const std::string& projectFolder,
                           const std::string& listed);

}  // namespace varnolux
