#pragma once
// Windows paths on the Linux file system.
#include <string>

namespace varnolux {

// Maps a Windows or POSIX path onto this file system. Backslashes become
// slashes. A path with a drive letter ("C:\Proj") is tried as given, then with the
// drive dropped from the root ("/Proj"); a relative path is taken from the current
// folder. Each component that does not exist under its exact name is matched
// case-insensitively against its folder's entries, as Windows would find it
// (an exact name wins; among several case variants the first in byte order).
// Components that do not exist in any case are kept as given, so a file about to
// be written gets the name the program chose.
std::string ResolvePath(const std::string& path);

}  // namespace varnolux
