// varnolux-cli: the console front end on the Varnolux core.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/console/commands.h"
#include "state/version.h"

namespace {

void PrintUsage() {
    std::printf(
        "usage: varnolux-cli <command> [arguments]\n"
        "\n"
        "commands:\n"
        "  vars [BASE] [--json]   load the project in the current folder and print its variables\n"
        "  log [BASE] [options]   run the link against a serial device and print every dump\n"
        "  test SCRIPT [options]  run a step script against the target: pass or fail\n"
        "  ini                    print a settings file with every key at its default\n"
        "  replay FILE [options]  print the dumps of a session recording as log did\n"
        "  dap                    the Debug Adapter Protocol on stdin/stdout, for editors\n"
        "\n"
        "\n"
        "varnolux-cli <command> --help describes a command; --version prints the version.\n");
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage();
        return args.empty() ? 1 : 0;
    }
    if (args[0] == "--version") {
        std::printf("varnolux-cli %s\n", varnolux::kVersionText);
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "vars") return varnolux::cli::RunVars(rest);
    if (args[0] == "log") return varnolux::cli::RunLog(rest);
    if (args[0] == "test") return varnolux::cli::RunTest(rest);
    if (args[0] == "ini") return varnolux::cli::RunIni(rest);
    if (args[0] == "replay") return varnolux::cli::RunReplay(rest);
    if (args[0] == "dap") return varnolux::cli::RunDap(rest);
    std::fprintf(stderr, "varnolux-cli: unknown command \"%s\"\n", args[0].c_str());
    PrintUsage();
    return 1;
}
