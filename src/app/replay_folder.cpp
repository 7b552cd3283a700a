#include "app/replay_folder.h"

namespace varnolux {

std::string ReplayProjectFolder(const HostOs& os, const std::string& programFolder,
                                const std::string& recordingPath, const std::string& baseName) {
    const std::string listing = baseName + ".lst";
    if (os.FileExists(programFolder + listing)) return programFolder;
    const size_t slash = recordingPath.find_last_of("\\/");
    if (slash == std::string::npos) return programFolder;
    const std::string recordingFolder = recordingPath.substr(0, slash + 1);
    return os.FileExists(recordingFolder + listing) ? recordingFolder : programFolder;
}

}  // namespace varnolux
