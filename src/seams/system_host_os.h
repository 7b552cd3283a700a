#pragma once
// The files and the clock of the machine the program runs on, through the
// system's own calls: the Win32 API on Windows (seams/win32/), the C library
// and POSIX on Linux (seams/posix/). Paths are UTF-8 (or code-page text)
// inside the program. What the two systems do not share, the clipboard, each
// platform's host adds.
#include <optional>
#include <string>
#include <vector>

#include "seams/host_os.h"

namespace varnolux {

class SystemHostOs : public HostOs {
  public:
    // From now on a relative path names a file in today's current folder,
    // whatever a file dialog later makes the current folder: the project's
    // files keep the names they were found by.
    void AnchorRelativePaths();

    // The program file's folder.
    std::string ProgramFolder() const override;
    // Entries without "." and "..".
    std::vector<DirEntry> ListDirectory(const std::string& folder) const override;
    std::optional<FileStatus> Status(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // A read-only file is refused.
    bool WriteFile(const std::string& path, const std::string& data) override;
    bool AppendFile(const std::string& path, const std::string& data) override;
    LocalTime ToLocalTime(FileTime t) const override;
    std::string DateTimeText(FileTime t) const override;

  private:
    std::string anchor_;  // empty: relative to the current folder
};

// Neither rooted (a leading \ or /) nor on a drive (C:).
bool IsRelativePath(const std::string& path);

}  // namespace varnolux
