#include "tools/command_line.h"

#include "text/text_util.h"

namespace varnolux {

std::string QuotedArgument(const std::string& argument) {
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them.
        if (c == '"') {
            out.append(backslashes * 2 + 1, '\\');
        } else {
            out.append(backslashes, '\\');
        }
        backslashes = 0;
        out += c;
    }
    // Before the closing quote every backslash is doubled.
    out.append(backslashes * 2, '\\');
    return out + "\"";
}

bool HasUnusablePathCharacter(const std::string& path) {
    for (char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '"') return true;
    }
    return false;
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || HasUnusablePathCharacter(name)) return false;
    if (name.find_first_of("<>:/\\|?*") != std::string::npos) return false;
    // Windows opens a device for these names, whatever extension follows.
    const std::string stem = UpperCase(TrimBlanks(name.substr(0, name.find('.'))));
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem == device) return false;
    }
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
        stem[3] >= '0' && stem[3] <= '9')
        return false;
    return true;
}

}  // namespace varnolux
