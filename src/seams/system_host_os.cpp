#include "seams/system_host_os.h"

#include <filesystem>

namespace varnolux {

void SystemHostOs::AnchorRelativePaths() {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).u8string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (!folder.empty() && folder.back() != separator) folder += separator;
    anchor_ = folder;
}

bool IsRelativePath(const std::string& path) {
    return !path.empty() && path[0] != '\\' && path[0] != '/' &&
           !(path.size() > 1 && path[1] == ':');
}

}  // namespace varnolux
