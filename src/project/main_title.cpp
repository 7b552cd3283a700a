#include "project/main_title.h"

namespace varnolux {

namespace {
constexpr const char* kVersion = "1.1";
}

std::string StartupTitle() {
    return CutTitle(std::string("Varnolux") + "   Ver " + kVersion);
}

std::string LoadedTitle(const Settings& settings, const std::string& programFolder,
                        const std::string& baseName) {
    if (settings.DisplayFullPath == 1) return CutTitle(programFolder + baseName);
    return CutTitle(StartupTitle() + "   " + baseName);
}

std::string CutTitle(const std::string& title) {
    return title.substr(0, kMainTitleLength);
}

}  // namespace varnolux
