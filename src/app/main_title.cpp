#include "app/main_title.h"

namespace varnolux {

namespace {
constexpr const char* kVersion = "1.1";
}

std::string StartupTitle() {
    return CutTitle(std::string("Varnolux") + "   Ver " + kVersion);
}

std::string ProjectTitle(int displayFullPath, const std::string& folder, const std::string& name) {
    if (displayFullPath == 1) return CutTitle(folder + name);
    return CutTitle(StartupTitle() + "   " + name);
}

std::string CutTitle(const std::string& title) {
    return title.substr(0, kMainTitleLength);
}

}  // namespace varnolux
