#pragma once
// The chosen project: names of its three files and their last-write times, the
// source file list of the listing, the ROM reference and the heap bookkeeping.
#include <cstdint>
#include <string>
#include <vector>

#include "state/file_time.h"

namespace varnolux {

struct RomReference {
    int32_t address = 0;
    int32_t firstWord = 0;
    int32_t secondWord = -1;
    int32_t wordCount = 0;
};

struct ProjectFacts {
    std::string programFolder;  // ends in the path separator
    std::string settingsPath;   // programFolder + "Varnolux.ini"
    std::string baseName;
    std::string mainSourceName;  // base + ".bas"
    std::string listingName;     // base + ".lst"
    std::string objectName;      // base + ".hex"
    FileTime listingTime = 0;
    FileTime sourceTime = 0;
    FileTime objectTime = 0;
    int32_t fileTimesReported = 0;  // 1 once a change of the file times was reported
    std::string commandLineProject;
    std::vector<std::string> sourceFiles;  // the listing's FILE names, index 0 first
    RomReference romReference;
    int32_t heapTotal = 0;
    int32_t heapSizeSeen = 0;
    int32_t heapSize = 0;
};

}  // namespace varnolux
