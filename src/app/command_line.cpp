#include "app/command_line.h"

namespace varnolux {

std::string FirstArgument(const std::string& arguments) {
    size_t i = arguments.find_first_not_of(" \t");
    std::string first;
    bool quoted = false;
    for (; i != std::string::npos && i < arguments.size(); ++i) {
        const char c = arguments[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            break;
        } else {
            first += c;
        }
    }
    return first;
}

}  // namespace varnolux
