#pragma once
// The host on Linux. Paths arrive as the program knows them from Windows
// ("C:\Users\ME\PROJ\MAIN.BAS", "PPI\P18F25K22.PPI") and are mapped onto the
// Linux file system by ResolvePath. Local time comes from the C library and the
// process's TZ. The short date is "%d.%m.%Y" (day.month.year, two-digit day and
// month), the form a Windows machine with a dd.MM.yyyy locale shows; the C locale
// has no short date of its own that matches the program's texts. The clipboard is
// kept in memory: there is no X clipboard behind the console programs.
#include "seams/host_os.h"

namespace varnolux {

// Maps a Windows or POSIX path onto this file system. Backslashes become
// slashes. A path with a drive letter ("C:\Proj") is tried as given, then with the
// drive dropped from the root ("/Proj"); a relative path is taken from the current
// folder. Each component that does not exist under its exact name is matched
// case-insensitively against its folder's entries, as Windows would find it
// (an exact name wins; among several case variants the first in byte order).
// Components that do not exist in any case are kept as given, so a file about to
// be written gets the name the program chose.
std::string ResolvePath(const std::string& path);

class PosixHostOs : public HostOs {
  public:
    // Folder of /proc/self/exe, ending in "/".
    std::string ProgramFolder() const override;
    // Entries without "." and "..".
    std::vector<DirEntry> ListDirectory(const std::string& folder) const override;
    // True for an existing file that is not a folder.
    bool FileExists(const std::string& path) const override;
    std::optional<FileTime> LastWriteTime(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // Writes into a temporary file beside the target and renames it over the
    // target, so a failed write leaves the old contents. A file without write
    // permission (or with no write bit) is refused, as Windows refuses a read-only file.
    bool WriteFile(const std::string& path, const std::string& data) override;
    bool AppendFile(const std::string& path, const std::string& data) override;
    LocalTime ToLocalTime(FileTime t) const override;
    std::string DateTimeText(FileTime t) const override;
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

    const std::string& ClipboardText() const { return clipboard_; }

  private:
    std::string clipboard_;
};

}  // namespace varnolux
