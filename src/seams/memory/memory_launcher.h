#pragma once
// A launcher for tests and headless front ends: nothing is started; top-level
// windows and registry keys are plain lists, and every call is recorded in order.
#include <map>
#include <set>
#include <vector>

#include "seams/launcher.h"

namespace varnolux {

class MemoryLauncher : public Launcher, private UserRegistry {
  public:
    bool StartProgram(const std::string& program, const std::string& commandLine) override;
    bool RestoreWindow(const std::string& windowClass, const std::string& title) override;
    std::optional<std::string> WindowText(const std::string& windowClass) override;
    bool ShellOpen(const std::string& path) override;
    // Its own keys: the calls go to the one record of calls.
    UserRegistry& Registry() override { return *this; }
    void RepaintMainWindow() override;
    void Pause(int milliseconds) override;

    struct Window {
        std::string windowClass;
        std::string title;
        bool restored = false;
    };
    struct Started {
        std::string program;
        std::string commandLine;
    };

    // The top-level windows that exist, searched front to back.
    std::vector<Window> windows;
    // Registry keys that exist; values by key + "\" + name.
    std::set<std::string> userKeys;
    std::map<std::string, uint32_t> dwordValues;
    bool startSucceeds = true;
    bool keysCanBeCreated = true;

    // Every call as one line of text, such as "OpenUserKey Software\Microsoft\Calc -> 1".
    std::vector<std::string> calls;
    std::vector<Started> started;
    std::vector<std::string> opened;  // documents given to ShellOpen

  private:
    RegistryKey OpenUserKey(const std::string& subKey) override;
    bool CreateUserKey(const std::string& subKey) override;
    bool SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) override;
    void CloseKey(RegistryKey key) override;

    std::map<RegistryKey, std::string> openKeys_;
    RegistryKey nextKey_ = 1;
};

}  // namespace varnolux
