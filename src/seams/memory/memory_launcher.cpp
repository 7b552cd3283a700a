#include "seams/memory/memory_launcher.h"

namespace varnolux {

bool MemoryLauncher::StartProgram(const std::string& program, const std::string& commandLine) {
    calls.push_back("StartProgram " + program + " | " + commandLine);
    if (!startSucceeds) return false;
    started.push_back(Started{program, commandLine});
    return true;
}

bool MemoryLauncher::RestoreWindow(const std::string& windowClass, const std::string& title) {
    for (Window& w : windows) {
        if (!windowClass.empty() && w.windowClass != windowClass) continue;
        if (!title.empty() && w.title != title) continue;
        w.restored = true;
        calls.push_back("RestoreWindow " + windowClass + " | " + title + " -> restored");
        return true;
    }
    calls.push_back("RestoreWindow " + windowClass + " | " + title + " -> none");
    return false;
}

std::optional<std::string> MemoryLauncher::WindowText(const std::string& windowClass) {
    for (const Window& w : windows) {
        if (w.windowClass != windowClass) continue;
        calls.push_back("WindowText " + windowClass + " -> " + w.title);
        return w.title;
    }
    calls.push_back("WindowText " + windowClass + " -> none");
    return std::nullopt;
}

bool MemoryLauncher::ShellOpen(const std::string& path) {
    calls.push_back("ShellOpen " + path);
    opened.push_back(path);
    return true;
}

RegistryKey MemoryLauncher::OpenUserKey(const std::string& subKey) {
    if (userKeys.count(subKey) == 0) {
        calls.push_back("OpenUserKey " + subKey + " -> 0");
        return 0;
    }
    const RegistryKey key = nextKey_++;
    openKeys_[key] = subKey;
    calls.push_back("OpenUserKey " + subKey + " -> " + std::to_string(key));
    return key;
}

bool MemoryLauncher::CreateUserKey(const std::string& subKey) {
    calls.push_back("CreateUserKey " + subKey);
    if (!keysCanBeCreated) return false;
    userKeys.insert(subKey);
    return true;
}

bool MemoryLauncher::SetDwordValue(RegistryKey key, const std::string& name, uint32_t value) {
    calls.push_back("SetDwordValue " + std::to_string(key) + " " + name + " " +
                    std::to_string(value));
    auto it = openKeys_.find(key);
    if (it == openKeys_.end()) return false;
    dwordValues[it->second + "\\" + name] = value;
    return true;
}

void MemoryLauncher::CloseKey(RegistryKey key) {
    calls.push_back("CloseKey " + std::to_string(key));
    openKeys_.erase(key);
}

void MemoryLauncher::RepaintMainWindow() {
    calls.push_back("RepaintMainWindow");
}

void MemoryLauncher::Pause(int milliseconds) {
    calls.push_back("Pause " + std::to_string(milliseconds));
}

}  // namespace varnolux
