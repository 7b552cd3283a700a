#pragma once
// The program's command line.
#include <string>
#include <vector>

namespace varnolux {

// The arguments of a command line that no longer holds the program's own name:
// blanks and tabs separate arguments, double quotes group blanks into one
// argument and are not part of it.
std::vector<std::string> SplitArguments(const std::string& arguments);

// What the program is started with: a project's base name, or a recording to
// replay (`--replay FILE`), which names its own project.
struct StartArguments {
    std::string project;
    std::string replay;
};
StartArguments ParseStartArguments(const std::string& arguments);

}  // namespace varnolux
