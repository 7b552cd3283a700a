#include "project/sources/files.h"

#include "text/text_util.h"

#include "project/sources/lines.h"

namespace varnolux {

namespace {

std::string FolderPart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> ResolveSourceFile(const HostOs& os, const std::string& projectFolder,
                                             const std::string& listed) {
    if (listed.empty()) return std::nullopt;
    if (os.FileExists(listed)) return listed;
    const std::string local = projectFolder + FileNamePart(listed);
    if (os.FileExists(local)) return local;
    return std::nullopt;
}

std::string StoredFileName(const HostOs& os, const std::string& projectFolder,
                           const std::string& listed) {
    const std::string name = FileNamePart(listed);
    const auto path = ResolveSourceFile(os, projectFolder, listed);
    if (!path) return name;
    const std::string folder = FolderPart(*path);
    const std::string wanted = LowerCase(name);
    for (const DirEntry& entry : os.ListDirectory(folder.empty() ? projectFolder : folder)) {
        if (!entry.isDirectory && LowerCase(entry.name) == wanted) return entry.name;
    }
    return name;
}

}  // namespace varnolux
