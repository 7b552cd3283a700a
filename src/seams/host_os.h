#pragma once
// File system, time and clipboard of the host. Paths are given as the program
// knows them: Windows paths ("C:\Proj\MAIN.BAS", "PPI\P18F25K22.PPI") or names
// relative to the current folder. The POSIX backend maps them onto the Linux file
// system and finds names case-insensitively where Windows would.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/file_time.h"

namespace varnolux {

struct DirEntry {
    std::string name;  // name only, no folder
    bool isDirectory = false;
    FileTime lastWrite = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class HostOs {
  public:
    virtual ~HostOs() = default;
    // Folder of the program file, ending in the path separator ("C:\Tools\").
    virtual std::string ProgramFolder() const = 0;
    virtual std::vector<DirEntry> ListDirectory(const std::string& folder) const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual std::optional<FileTime> LastWriteTime(const std::string& path) const = 0;
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    virtual bool WriteFile(const std::string& path, const std::string& data) = 0;
    virtual bool AppendFile(const std::string& path, const std::string& data) = 0;
    virtual LocalTime ToLocalTime(FileTime t) const = 0;
    // The locale's short date, two blanks, 24-hour time with seconds.
    virtual std::string DateTimeText(FileTime t) const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

}  // namespace varnolux
