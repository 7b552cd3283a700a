#include "seams/posix/posix_host_os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <vector>

#include "seams/calendar.h"

namespace varnolux {

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

// The entry of folder whose name equals name ignoring case, or name itself.
std::string MatchInFolder(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return name;
    std::vector<std::string> matches;
    while (dirent* e = ::readdir(dir)) {
        if (SameIgnoringCase(e->d_name, name)) matches.emplace_back(e->d_name);
    }
    ::closedir(dir);
    if (matches.empty()) return name;
    return *std::min_element(matches.begin(), matches.end());
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

// Resolves each component below root ("/" or "" for the current folder).
std::string ResolveBelow(const std::string& root, const std::string& rest) {
    std::string out = root;
    bool missing = false;  // once a folder is missing, nothing below can be listed
    for (const std::string& part : Components(rest)) {
        std::string name = part;
        if (!missing && part != "." && part != "..") {
            if (!Exists(Join(out, part))) name = MatchInFolder(out, part);
            missing = !Exists(Join(out, name));
        }
        out = Join(out, name);
    }
    if (out.empty()) return ".";
    return out;
}

bool HasDrive(const std::string& p) {
    return p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
}

FileTime FileTimeOf(const struct stat& st) {
    return FileTimeFromUnix(st.st_mtim.tv_sec) + static_cast<FileTime>(st.st_mtim.tv_nsec / 100);
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

}  // namespace

std::string ResolvePath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.empty()) return p;
    if (HasDrive(p) && Exists(p)) return p;
    std::string resolved =
        HasDrive(p) ? ResolveBelow("/", p.substr(2)) : ResolveBelow(p[0] == '/' ? "/" : "", p);
    if (p.back() == '/' && resolved.back() != '/') resolved += '/';
    return resolved;
}

std::string PosixHostOs::ProgramFolder() const {
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

std::vector<DirEntry> PosixHostOs::ListDirectory(const std::string& folder) const {
    std::vector<DirEntry> out;
    const std::string dirPath = ResolvePath(folder.empty() ? "." : folder);
    DIR* dir = ::opendir(dirPath.c_str());
    if (!dir) return out;
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st;
        if (::stat(Join(dirPath, name).c_str(), &st) != 0) continue;
        out.push_back(DirEntry{name, S_ISDIR(st.st_mode), FileTimeOf(st)});
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return out;
}

bool PosixHostOs::FileExists(const std::string& path) const {
    struct stat st;
    return ::stat(ResolvePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<FileTime> PosixHostOs::LastWriteTime(const std::string& path) const {
    struct stat st;
    if (::stat(ResolvePath(path).c_str(), &st) != 0) return std::nullopt;
    return FileTimeOf(st);
}

std::optional<std::string> PosixHostOs::ReadFile(const std::string& path) const {
    const int fd = ::open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
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

bool PosixHostOs::WriteFile(const std::string& path, const std::string& data) {
    const std::string target = ResolvePath(path);
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
    const bool ok = WriteAll(fd, data) && ::fchmod(fd, mode) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool PosixHostOs::AppendFile(const std::string& path, const std::string& data) {
    const int fd =
        ::open(ResolvePath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, data);
    return ::close(fd) == 0 && ok;
}

LocalTime PosixHostOs::ToLocalTime(FileTime t) const {
    const time_t secs = static_cast<time_t>(UnixFromFileTime(t));
    struct tm tm {};
    if (!::localtime_r(&secs, &tm)) return BreakDownUtc(UnixFromFileTime(t));
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

std::string PosixHostOs::DateTimeText(FileTime t) const {
    const time_t secs = static_cast<time_t>(UnixFromFileTime(t));
    struct tm tm {};
    char text[64];
    if (!::localtime_r(&secs, &tm) ||
        std::strftime(text, sizeof text, "%d.%m.%Y  %H:%M:%S", &tm) == 0)
        return std::string();
    return text;
}

}  // namespace varnolux
