// "varnolux-cli vars": the load sequence without a link, and what it read.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/console/commands.h"
#include "cli/console/console_seams.h"
#include "cli/console/text.h"
#include "cli/vars/output.h"
#include "project/load/sequence.h"
#include "seams/main_ids.h"
#include "seams/memory/memory_main_window_view.h"
#include "state/session.h"

namespace varnolux::cli {

namespace {

constexpr int kLoadEnded = 2;

}  // namespace

void PrintVarsUsage() {
    std::printf(
        "usage: varnolux-cli vars [BASE] [--json]\n"
        "\n"
        "Runs the program's load sequence in the current folder, the project folder\n"
        "with its Varnolux.ini, without opening the serial link: finds the project\n"
        "(BASE.bas with BASE.lst and BASE.hex; BASE picks one of several), reads the\n"
        "listing, the watched items, the sources and the device description file.\n"
        "\n"
        "Every message the program would show is printed on stderr; each prompt takes\n"
        "the answer that lets the load go on (OK, Yes, Retry or Ignore), so a\n"
        "duplicate DumpID is accepted and the later statement wins.\n"
        "\n"
        "stdout: one line per variable record (label, type, address, length, W when\n"
        "watched, comment), or with --json one document with the keys records,\n"
        "dumpPoints, sourceFiles, device, romReference, heapTotal and messages.\n"
        "\n"
        "exit status: 0 loaded; 1 bad arguments; 2 the program would have ended\n"
        "(what was read is printed all the same).\n");
}

int RunVars(const std::vector<std::string>& args) {
    bool json = false;
    std::string base;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            PrintVarsUsage();
            return 0;
        }
        if (arg == "--json") {
            json = true;
        } else if (!arg.empty() && arg[0] == '-') {
            WriteText(stderr, "varnolux-cli vars: unknown option \"" + arg + "\"\n");
            return 1;
        } else if (base.empty()) {
            base = arg;
        } else {
            std::fprintf(stderr, "varnolux-cli vars: one project name only\n");
            return 1;
        }
    }

    ConsolePrompts prompts;
    ConsoleSeams console(prompts);
    const MemoryMainWindowView& view = console.view;
    Session session;
    LoadConsoleSettings(session, console.os, std::string());
    session.project.commandLineProject = base;

    LoadSteps steps;  // no window, no link: the scan alone
    const LoadEnd end = LoadAtStartup(session, console.seams, steps);
    if (end == LoadEnd::WaitingForChoice) {
        std::string names;
        for (const std::string& entry : view.ComboEntries(ids::kProjectChooser)) names += entry;
        WriteText(stderr, "varnolux-cli vars: several projects here (" + names +
                              " ); name one: varnolux-cli vars BASE\n");
    }
    const std::string out = json ? VarsJson(session, prompts.shown) : VarsTable(session);
    WriteText(stdout, out);
    return end == LoadEnd::Loaded && !view.closeRequested ? 0 : kLoadEnded;
}

}  // namespace varnolux::cli
