// "varnolux-cli ini": prints a settings file with every key at its default.
#include <cstdio>

#include "app/settings_keys.h"
#include "cli/console/commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace varnolux::cli {

int RunIni(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::printf(
            "usage: varnolux-cli ini > Varnolux.ini\n"
            "\n"
            "Prints a settings file holding every key the program reads, at its default,\n"
            "each after a one-line comment.\n");
        return args[0] == "--help" || args[0] == "-h" ? 0 : 1;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the text has its own CR LF line ends
#endif
    const std::string text = DefaultSettingsFile();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}

}  // namespace varnolux::cli
