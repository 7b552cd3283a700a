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

// What stands at a path: a file or a folder, and when it was last written.
struct FileStatus {
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
    // Nothing when there is neither a file nor a folder at the path.
    virtual std::optional<FileStatus> Status(const std::string& path) const = 0;
    // True for an existing file that is not a folder.
    bool FileExists(const std::string& path) const;
    std::optional<FileTime> LastWriteTime(const std::string& path) const;
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    virtual bool WriteFile(const std::string& path, const std::string& data) = 0;
    // Reads the whole file and writes it again with the data after it; a host
    // that can append in place does so instead.
    virtual bool AppendFile(const std::string& path, const std::string& data);
    virtual LocalTime ToLocalTime(FileTime t) const = 0;
    // The locale's short date, two blanks, 24-hour time with seconds.
    virtual std::string DateTimeText(FileTime t) const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

}  // namespace varnolux
