#pragma once
// Starting outside programs and documents. The Win32 backend uses
// CreateProcessA, FindWindowA, ShellExecuteA and the registry; tests record calls.
#include <string>

namespace varnolux {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program in a normal window; false when it could not be started.
    virtual bool StartProgram(const std::string& commandLine, const std::string& workingFolder) = 0;
    // Finds a top-level window by class and/or title (empty = any); when found,
    // restores it from minimised, brings it to the top and returns true.
    virtual bool RestoreWindow(const std::string& windowClass, const std::string& title) = 0;
    // Text of the first top-level window of the class, empty when none.
    virtual std::string WindowText(const std::string& windowClass) = 0;
    // Opens a document with its associated program.
    virtual bool ShellOpen(const std::string& path) = 0;
    // Writes the calculator's "layout" value; false when the key cannot be opened or made.
    virtual bool WriteCalculatorLayout(unsigned long value) = 0;
};

}  // namespace varnolux
