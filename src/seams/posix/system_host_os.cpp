// The host's files and clock on Linux. Paths arrive as the program knows them
// from Windows and are mapped onto the Linux file system by ResolvePath. Local
// time comes from the C library and the process's TZ.
#include "seams/system_host_os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "seams/calendar.h"
#include "seams/posix/resolve_path.h"

namespace varnolux {

namespace {

FileTime FileTimeOf(const struct stat& st) {
    return FileTimeFromUnix(st.st_mtim.tv_sec) + static_cast<FileTime>(st.st_mtim.tv_nsec / 100);
}

// The rename itself reaches the disk once the folder is flushed; a folder that
// cannot be opened for it keeps the rename in the cache, still in one step.
void SyncFolderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The path as the C library takes it: anchored, then found on this file system.
std::string Native(const std::string& anchor, const std::string& path) {
    return ResolvePath(IsRelativePath(path) ? anchor + path : path);
}

}  // namespace

void SystemHostOs::AnchorRelativePaths() {
    char folder[PATH_MAX];
    anchor_ = ::getcwd(folder, sizeof folder) ? std::string(folder) + "/" : std::string();
}

// Folder of /proc/self/exe, ending in "/".
std::string SystemHostOs::ProgramFolder() const {
    std::vector<char> buf(PATH_MAX);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return "./";
        if (static_cast<size_t>(n) < buf.size()) {
            const std::string exe(buf.data(), static_cast<size_t>(n));
            return exe.substr(0, exe.rfind('/') + 1);
        }
        buf.resize(buf.size() * 2);
    }
}

// Entries sorted by name.
std::vector<DirEntry> SystemHostOs::ListDirectory(const std::string& folder) const {
    std::vector<DirEntry> out;
    std::string dirPath = Native(anchor_, folder.empty() ? "." : folder);
    DIR* dir = ::opendir(dirPath.c_str());
    if (!dir) return out;
    if (dirPath.back() != '/') dirPath += '/';
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (::stat((dirPath + name).c_str(), &st) != 0) continue;
        out.push_back(DirEntry{name, S_ISDIR(st.st_mode), FileTimeOf(st)});
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return out;
}

std::optional<FileStatus> SystemHostOs::Status(const std::string& path) const {
    struct stat st;
    if (::stat(Native(anchor_, path).c_str(), &st) != 0) return std::nullopt;
    return FileStatus{S_ISDIR(st.st_mode), FileTimeOf(st)};
}

std::optional<std::string> SystemHostOs::ReadFile(const std::string& path) const {
    const int fd = ::open(Native(anchor_, path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

// Writes into a temporary file beside the target, flushes it to the disk and
// renames it over the target, so a crash or a failed write at any moment
// leaves the old contents or the new, never a mix. A file without write
// permission (or with no write bit) is refused, as Windows refuses a read-only file.
bool SystemHostOs::WriteFile(const std::string& path, const std::string& data) {
    const std::string target = Native(anchor_, path);
    mode_t mode = 0644;
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        // No write bit at all is the read-only attribute, refused even for root.
        if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return false;
        mode = st.st_mode & 07777;
    }
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, data) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolderOf(target);
    return true;
}

bool SystemHostOs::AppendFile(const std::string& path, const std::string& data) {
    const int fd =
        ::open(Native(anchor_, path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, data);
    return ::close(fd) == 0 && ok;
}

LocalTime SystemHostOs::ToLocalTime(FileTime t) const {
    const time_t secs = static_cast<time_t>(UnixFromFileTime(t));
    struct tm tm {};
    if (!::localtime_r(&secs, &tm)) return BreakDownUtc(UnixFromFileTime(t));
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

// The short date is "dd.MM.yyyy", the form a Windows machine with that locale
// shows; the C locale has no short date of its own that matches the
// program's texts.
std::string SystemHostOs::DateTimeText(FileTime t) const {
    return DateAndTimeText(ToLocalTime(t), "dd.MM.yyyy");
}

}  // namespace varnolux
