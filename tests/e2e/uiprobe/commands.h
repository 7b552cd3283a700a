#pragma once
// The probe's commands, a table for each concern, and the helpers they share.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace uiprobe {

using Args = std::vector<std::string>;

// A command takes minArgs to maxArgs arguments and returns the exit code.
struct Command {
    size_t minArgs, maxArgs;
    std::function<int(const Args&)> run;
};
using CommandTable = std::map<std::string, Command>;

// Waiting for windows and reading their texts, states and places.
CommandTable WindowCommands();
// List views and combo boxes.
CommandTable ListCommands();
// Texts set, clicks, commands, closing and message boxes.
CommandTable InputCommands();

// The message on stderr; returns the failure exit code.
int Fail(const std::string& message);
// One line on stdout.
void Print(const std::string& text);
// "1" or "0" on stdout; returns 0.
int PrintFlag(bool flag);
// A number as C writes it: 12, 0x1F.
int Number(const std::string& text);

// Every command that names a window resolves it the same way: null, after a
// word on stderr, when there is none.
HWND Top(const std::string& className);
HWND Child(const std::string& className, const std::string& id);

// Which window a command's first arguments name: CLASS, CLASS ID, or
// CLASS [ID] (the control when an ID is given).
enum class Target { Top, Child, TopOrChild };

// A command on the window its arguments name: 1 when there is none (said on
// stderr), else what `act` returns.
Command OnWindow(size_t minArgs, size_t maxArgs, Target target,
                 std::function<int(HWND window, const Args& args)> act);

// What a command reads of a window; nothing when it cannot be read.
using Reading = std::optional<std::string>;

// A command on the window its arguments name that prints what `read` gives;
// 1 when it gives nothing.
Command Printing(size_t minArgs, size_t maxArgs, Target target,
                 std::function<Reading(HWND window, const Args& args)> read);

// PostMessage; 0, or the failure exit code after a word on stderr.
int Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace uiprobe
