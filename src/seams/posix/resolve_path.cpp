#include "seams/posix/resolve_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <vector>

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

}  // namespace varnolux
