#pragma once
// The program's command line.
#include <string>

namespace varnolux {

// The first argument of a command line that no longer holds the program's own
// name: blanks and tabs separate arguments, double quotes group blanks into
// one argument and are not part of it. Empty when there is none.
std::string FirstArgument(const std::string& arguments);

}  // namespace varnolux
