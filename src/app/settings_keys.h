#pragma once
// The keys of Varnolux.ini that the program reads at start-up: one table that
// LoadSettings reads through and that the default settings file of a release
// is written from, so neither can miss a key the other has.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "state/settings.h"

namespace varnolux {

struct SettingKey {
    const char* section;
    const char* key;
    const char* comment;                    // one line for the default file
    int32_t Settings::*number = nullptr;    // a numeric key's field,
    std::string Settings::*text = nullptr;  // or a text key's,
    int column = -1;                        // or the index into Settings::Column
    size_t limit = std::string::npos;       // characters kept of a text
    // The default is a path on some machine, an example rather than a setting:
    // the default file shows it commented out (";Key=default"), so the key
    // still reads as its default and the file does not pretend the path exists.
    bool example = false;
};

const std::vector<SettingKey>& SettingKeys();

// The key's value in the settings as the file would hold it.
std::string SettingText(const Settings& settings, const SettingKey& key);

// A settings file with every key of the table at its default, each after a
// one-line comment, sections in the table's order, example paths commented
// out; CR LF line ends.
std::string DefaultSettingsFile();

}  // namespace varnolux
