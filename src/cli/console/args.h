#pragma once
// Reading a console command's arguments from left to right: --help, names
// that are no option (filled in order), flags, and options that take the one
// or two arguments after them as their values. Each command describes its own
// arguments with a table of options; the checks and messages every command
// shares are here.
#include <functional>
#include <string>
#include <vector>

#include "cli/console/log_output.h"

namespace varnolux::cli {

// One option of a command. `take` stores its values (none for a flag) into
// the command's arguments and says whether it took them; an option that
// refuses its values may leave a message of its own in `message`, else the
// reader reports it as a bad option.
struct CliOption {
    std::string name;
    int values = 1;
    std::function<bool(const std::vector<std::string>& values, std::string& message)> take;
};

struct CliCommand {
    std::string name;                 // "log": messages begin "varnolux-cli log: "
    int badStatus = 1;                // the exit status of bad arguments
    std::function<void()> usage;      // --help shows it, and the command ends with 0
    std::vector<std::string*> names;  // each takes the first free argument that is no option
    std::string tooManyNames;         // the message for one name more than `names` hold
    std::string firstNameMissing;     // the message when no name came; empty: none is needed
    std::vector<CliOption> options;
};

// How reading the arguments ended: run the command, or end it with `status`
// after `message` (empty after --help).
struct CliArgsRead {
    bool run = true;
    int status = 0;
    std::string message;
};

CliArgsRead ReadCliArgs(const CliCommand& command, const std::vector<std::string>& args);

// ReadCliArgs with its message written to stderr after "varnolux-cli NAME: ";
// false when the command is to end with `status`.
bool TakeCliArgs(const CliCommand& command, const std::vector<std::string>& args, int& status);

// A string of decimal digits only.
bool IsDigits(const std::string& text);

// Options whose values most commands read alike.
CliOption TextOption(const std::string& name, std::string& field);
CliOption FlagOption(const std::string& name, bool& field);
CliOption NumberOption(const std::string& name, int& field);   // digits only
CliOption NumberOption(const std::string& name, long& field);  // digits only
CliOption FormatOption(LogFormat& format);                     // --format text|csv|jsonl
CliOption RadixOption(int& radix);                             // --radix dec|hex|bin

// The arguments of a run of the link against the target (log, test).
struct LinkArgs {
    std::string base;    // the project's name; empty: the only one in the folder
    std::string device;  // a device path; empty: the port number of the settings
    int port = 0;        // a port number given on the command line
    int baud = -1;
    std::string ini;
    int detectRounds = 3;
    std::string record;      // the recording's file; empty: none
    bool reconnect = false;  // wait for a lost or missing port instead of ending
};

// --port DEV|N, --baud N, --ini FILE, --detect-rounds N, --record FILE and --reconnect,
// then a command's own options.
std::vector<CliOption> LinkOptions(LinkArgs& args, std::vector<CliOption> more);

}  // namespace varnolux::cli
