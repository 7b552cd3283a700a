#pragma once
// The host's files, local time and clipboard through the Win32 API. Paths are
// UTF-8 (or code-page text) inside the program and wide at the API.
#include <string>

#include "seams/host_os.h"

namespace varnolux {

class Win32HostOs : public HostOs {
  public:
    // From now on a relative path names a file in today's current folder,
    // whatever a file dialog later makes the current folder: the project's
    // files keep the names they were found by.
    void AnchorRelativePaths();
    std::string ProgramFolder() const override;
    std::vector<DirEntry> ListDirectory(const std::string& folder) const override;
    bool FileExists(const std::string& path) const override;
    std::optional<FileTime> LastWriteTime(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFile(const std::string& path, const std::string& data) override;
    bool AppendFile(const std::string& path, const std::string& data) override;
    LocalTime ToLocalTime(FileTime t) const override;
    std::string DateTimeText(FileTime t) const override;
    void SetClipboardText(const std::string& text) override;

  private:
    std::wstring Resolved(const std::string& path) const;

    std::wstring anchor_;  // empty: relative to the current folder
};

}  // namespace varnolux
