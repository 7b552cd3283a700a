#pragma once
// The message that ends a start in a folder without a complete project: the
// program's own text, then where it looked, what a project needs there, and
// where the sample project is when the folder has one below it.
#include <string>

#include "seams/host_os.h"

namespace varnolux {

// `exitCode` 1: no .bas file at all; 2: none with its .lst and .hex.
std::string NoProjectText(const HostOs& os, const std::string& folder, int exitCode);

}  // namespace varnolux
