#include "seams/memory/memory_host_os.h"

#include <cctype>

#include "seams/calendar.h"

namespace varnolux {

std::string MemoryHostOs::Key(const std::string& path) {
    std::string k;
    for (char c : path) k += c == '/' ? '\\' : static_cast<char>(std::tolower((unsigned char)c));
    return k;
}

std::vector<DirEntry> MemoryHostOs::ListDirectory(const std::string& folder) const {
    std::string prefix = Key(folder);
    if (!prefix.empty() && prefix.back() != '\\') prefix += '\\';
    std::vector<DirEntry> out;
    for (const auto& [key, file] : files_) {
        if (key.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = file.name.substr(prefix.size());
        if (rest.find_first_of("\\/") != std::string::npos) continue;
        out.push_back(DirEntry{rest, false, file.time});
    }
    return out;
}

std::optional<FileStatus> MemoryHostOs::Status(const std::string& path) const {
    auto it = files_.find(Key(path));
    if (it == files_.end()) return std::nullopt;
    return FileStatus{false, it->second.time};
}

std::optional<std::string> MemoryHostOs::ReadFile(const std::string& path) const {
    auto it = files_.find(Key(path));
    if (it == files_.end() || it->second.unreadable) return std::nullopt;
    return it->second.data;
}

bool MemoryHostOs::WriteFile(const std::string& path, const std::string& data) {
    auto it = files_.find(Key(path));
    if (it != files_.end() && it->second.readOnly) return false;
    PutFile(path, data, now);
    return true;
}

void MemoryHostOs::PutFile(const std::string& path, const std::string& data, FileTime time) {
    const std::string key = Key(path);
    auto it = files_.find(key);
    const bool readOnly = it != files_.end() && it->second.readOnly;
    const std::string name = it == files_.end() ? path : it->second.name;
    files_[key] = File{name, data, time, readOnly};
}

void MemoryHostOs::SetReadOnly(const std::string& path, bool readOnly) {
    auto it = files_.find(Key(path));
    if (it != files_.end()) it->second.readOnly = readOnly;
}

void MemoryHostOs::SetUnreadable(const std::string& path, bool unreadable) {
    auto it = files_.find(Key(path));
    if (it != files_.end()) it->second.unreadable = unreadable;
}

LocalTime MemoryHostOs::ToLocalTime(FileTime t) const {
    return BreakDownUtc(UnixFromFileTime(t) + utcOffsetMinutes * 60LL);
}

std::string MemoryHostOs::DateTimeText(FileTime t) const {
    return DateAndTimeText(ToLocalTime(t), shortDatePattern);
}

}  // namespace varnolux
