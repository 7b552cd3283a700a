#include "project/load/main_title.h"

#include "state/version.h"

namespace varnolux {

std::string StartupTitle() {
    return CutTitle(std::string("Varnolux") + "   Ver " + kVersionText);
}

std::string LoadedTitle(const Settings& settings, const std::string& programFolder,
                        const std::string& baseName) {
    if (settings.DisplayFullPath == 1) return CutTitle(programFolder + baseName);
    return CutTitle(StartupTitle() + "   " + baseName);
}

std::string CutTitle(const std::string& title) {
    if (title.size() <= kMainTitleLength) return title;
    size_t cut = kMainTitleLength;
    // Back to the start of a UTF-8 sequence the cut would split: continuation
    // bytes (10xxxxxx) and then their lead byte (11xxxxxx) go with it.
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(title[i]); };
    size_t back = cut;
    while (back > 0 && (byte(back) & 0xC0) == 0x80) --back;
    if (back < cut && (byte(back) & 0xC0) == 0xC0) cut = back;
    return title.substr(0, cut);
}

}  // namespace varnolux
