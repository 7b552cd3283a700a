#pragma once
// The main window's title texts.
#include <string>

#include "state/settings.h"

namespace varnolux {

// Longest title the main window shows; longer texts are cut.
constexpr size_t kMainTitleLength = 61;

// "Varnolux   Ver 1.1": the title before a project is loaded.
std::string StartupTitle();

// The title once the project is loaded: the start-up title, three blanks and
// the base name, or, with "DisplayFullPath" 1, the folder followed by the name.
std::string LoadedTitle(const Settings& settings, const std::string& programFolder,
                        const std::string& baseName);

// The text cut to kMainTitleLength bytes; a folder name in UTF-8 is never cut
// inside one of its characters.
std::string CutTitle(const std::string& title);

}  // namespace varnolux
