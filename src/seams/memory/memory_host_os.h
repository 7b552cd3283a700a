#pragma once
// An in-memory host for tests: files are a map from path to contents; paths are
// compared case-insensitively with "/" and "\" alike, as Windows does. Local
// time is UTC plus a fixed offset; the short date is dd.MM.yyyy unless set.
#include <map>

#include "seams/host_os.h"

namespace varnolux {

class MemoryHostOs : public HostOs {
  public:
    std::string ProgramFolder() const override { return programFolder; }
    std::vector<DirEntry> ListDirectory(const std::string& folder) const override;
    std::optional<FileStatus> Status(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFile(const std::string& path, const std::string& data) override;
    LocalTime ToLocalTime(FileTime t) const override;
    std::string DateTimeText(FileTime t) const override;
    void SetClipboardText(const std::string& text) override { clipboard = text; }

    void PutFile(const std::string& path, const std::string& data, FileTime time = 0);
    void SetReadOnly(const std::string& path, bool readOnly);
    // An unreadable file exists but every read of it fails, as without permission.
    void SetUnreadable(const std::string& path, bool unreadable);

    std::string programFolder = "C:\\Varnolux\\";
    int utcOffsetMinutes = 0;
    // strftime-like pattern for the short date: d, dd, M, MM, yy, yyyy.
    std::string shortDatePattern = "dd.MM.yyyy";
    std::string clipboard;
    FileTime now = 0;  // time stamp given to written files

  private:
    struct File {
        std::string name;  // the path as first written, for listings
        std::string data;
        FileTime time = 0;
        bool readOnly = false;
        bool unreadable = false;
    };
    static std::string Key(const std::string& path);
    std::map<std::string, File> files_;
};

}  // namespace varnolux
