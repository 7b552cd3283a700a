#include "seams/host_os.h"

namespace varnolux {

bool HostOs::FileExists(const std::string& path) const {
    const std::optional<FileStatus> status = Status(path);
    return status && !status->isDirectory;
}

std::optional<FileTime> HostOs::LastWriteTime(const std::string& path) const {
    const std::optional<FileStatus> status = Status(path);
    if (!status) return std::nullopt;
    return status->lastWrite;
}

bool HostOs::AppendFile(const std::string& path, const std::string& data) {
    const std::optional<std::string> existing = ReadFile(path);
    return WriteFile(path, existing.value_or(std::string()) + data);
}

}  // namespace varnolux
