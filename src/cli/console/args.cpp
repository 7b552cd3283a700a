#include "cli/console/args.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "cli/console/text.h"
#include "state/var_record.h"

namespace varnolux::cli {

namespace {

const CliOption* FindOption(const CliCommand& command, const std::string& name) {
    for (const CliOption& option : command.options)
        if (option.name == name) return &option;
    return nullptr;
}

CliArgsRead Bad(const CliCommand& command, const std::string& message) {
    return CliArgsRead{false, command.badStatus, message};
}

// A name for the first free place; false when every place is taken.
bool TakeName(const CliCommand& command, const std::string& arg) {
    for (std::string* name : command.names) {
        if (name->empty()) {
            *name = arg;
            return true;
        }
    }
    return false;
}

// An option whose single value is one of `choices`, stored as the matching number.
template <typename T>
CliOption ChoiceOption(const std::string& name, T& field,
                       std::vector<std::pair<std::string, T>> choices) {
    return CliOption{name, 1, [&field, choices](const std::vector<std::string>& v, std::string&) {
                         for (const auto& [text, value] : choices) {
                             if (v[0] != text) continue;
                             field = value;
                             return true;
                         }
                         return false;
                     }};
}

template <typename T>
CliOption DigitsOption(const std::string& name, T& field, T (*convert)(const char*)) {
    return CliOption{name, 1, [&field, convert](const std::vector<std::string>& v, std::string&) {
                         if (!IsDigits(v[0])) return false;
                         field = convert(v[0].c_str());
                         return true;
                     }};
}

int ToInt(const char* text) {
    return std::atoi(text);
}

long ToLong(const char* text) {
    return std::atol(text);
}

}  // namespace

CliArgsRead ReadCliArgs(const CliCommand& command, const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            if (command.usage) command.usage();
            return CliArgsRead{false, 0, std::string()};
        }
        const CliOption* option = arg.empty() || arg[0] != '-' ? nullptr : FindOption(command, arg);
        if (option && option->values == 0) {
            std::string unused;
            option->take({}, unused);
            continue;
        }
        if (arg.empty() || arg[0] != '-') {
            if (!TakeName(command, arg)) return Bad(command, command.tooManyNames);
            continue;
        }
        if (i + 1 >= args.size())
            return Bad(command, "missing value or unknown option \"" + arg + "\"");
        const int wanted = option ? option->values : 1;
        const std::vector<std::string> values(
            args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
            args.begin() + static_cast<std::ptrdiff_t>(std::min(args.size(), i + 1 + wanted)));
        std::string message;
        if (!option || static_cast<int>(values.size()) < wanted || !option->take(values, message))
            return Bad(command,
                       message.empty() ? "bad option \"" + arg + " " + values[0] + "\"" : message);
        i += values.size();
    }
    if (!command.names.empty() && command.names[0]->empty() && !command.firstNameMissing.empty())
        return Bad(command, command.firstNameMissing);
    return CliArgsRead{};
}

bool TakeCliArgs(const CliCommand& command, const std::vector<std::string>& args, int& status) {
    const CliArgsRead read = ReadCliArgs(command, args);
    if (!read.message.empty())
        WriteText(stderr, "varnolux-cli " + command.name + ": " + read.message + "\n");
    status = read.status;
    return read.run;
}

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

CliOption TextOption(const std::string& name, std::string& field) {
    return CliOption{name, 1, [&field](const std::vector<std::string>& v, std::string&) {
                         field = v[0];
                         return true;
                     }};
}

CliOption FlagOption(const std::string& name, bool& field) {
    return CliOption{name, 0, [&field](const std::vector<std::string>&, std::string&) {
                         field = true;
                         return true;
                     }};
}

CliOption NumberOption(const std::string& name, int& field) {
    return DigitsOption(name, field, ToInt);
}

CliOption NumberOption(const std::string& name, long& field) {
    return DigitsOption(name, field, ToLong);
}

CliOption FormatOption(LogFormat& format) {
    return ChoiceOption<LogFormat>(
        "--format", format,
        {{"text", LogFormat::Text}, {"csv", LogFormat::Csv}, {"jsonl", LogFormat::Jsonl}});
}

CliOption RadixOption(int& radix) {
    return ChoiceOption<int>("--radix", radix,
                             {{"dec", DT_DECIMAL}, {"hex", DT_HEX}, {"bin", DT_BINARY}});
}

std::vector<CliOption> LinkOptions(LinkArgs& a, std::vector<CliOption> more) {
    std::vector<CliOption> options = {
        // A number names a port of the settings' kind, anything else a device.
        CliOption{"--port", 1,
                  [&a](const std::vector<std::string>& v, std::string&) {
                      if (IsDigits(v[0]))
                          a.port = std::atoi(v[0].c_str());
                      else
                          a.device = v[0];
                      return true;
                  }},
        NumberOption("--baud", a.baud),
        TextOption("--ini", a.ini),
        CliOption{"--detect-rounds", 1,
                  [&a](const std::vector<std::string>& v, std::string&) {
                      if (!IsDigits(v[0])) return false;
                      a.detectRounds = std::max(1, std::atoi(v[0].c_str()));
                      return true;
                  }},
        TextOption("--record", a.record),
        FlagOption("--reconnect", a.reconnect),
    };
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

}  // namespace varnolux::cli
