#include "app/command_line.h"

namespace varnolux {

std::vector<std::string> SplitArguments(const std::string& arguments) {
    std::vector<std::string> result;
    size_t i = arguments.find_first_not_of(" \t");
    while (i != std::string::npos && i < arguments.size()) {
        std::string argument;
        bool quoted = false;
        for (; i < arguments.size(); ++i) {
            const char c = arguments[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && (c == ' ' || c == '\t')) {
                break;
            } else {
                argument += c;
            }
        }
        result.push_back(argument);
        i = arguments.find_first_not_of(" \t", i);
    }
    return result;
}

StartArguments ParseStartArguments(const std::string& arguments) {
    const std::vector<std::string> all = SplitArguments(arguments);
    StartArguments start;
    if (all.size() >= 2 && all[0] == "--replay")
        start.replay = all[1];
    else if (!all.empty())
        start.project = all[0];
    return start;
}

}  // namespace varnolux
