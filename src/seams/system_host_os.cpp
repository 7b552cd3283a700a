#include "seams/system_host_os.h"

namespace varnolux {

bool IsRelativePath(const std::string& path) {
    return !path.empty() && path[0] != '\\' && path[0] != '/' &&
           !(path.size() > 1 && path[1] == ':');
}

}  // namespace varnolux
