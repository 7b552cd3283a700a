#pragma once
// The keys every auxiliary window keeps in the settings file, in one table, and
// the one code that reads and writes them. A window's section holds its normal
// rectangle ("Left", "Right", "Top", "Bottom"), its column widths and keys of
// its own; its TopMost flag is in "Preferences" (the Plot window's in its own
// section). Read when the window opens; written when it closes while
// SaveOnExit is set.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "seams/settings_file.h"
#include "seams/views.h"
#include "state/run_state.h"

namespace varnolux {

struct WindowKeys {
    std::string section;                  // "Source Placement"; empty: the window keeps nothing
    std::vector<std::string> columnKeys;  // in column order
    std::string topMostSection;
    std::string topMostKey;
    // The rectangle and the TopMost flag are written before the columns (else
    // after them, TopMost first): the order the window's keys stand in a new file.
    bool rectFirst = false;
    std::string placementFailure;  // shown when the placement cannot be read; empty: none
    std::string failureCaption;
};

// The keys of the window of `kind`.
const WindowKeys& WindowKeysOf(ViewKind kind);

// The stored normal rectangle; missing values read as 0.
Rect ReadStoredRect(const HostOs& os, const std::string& path, const std::string& section);

// A stored column width read with `defaultText`; a width that reads as 0 gives `whenZero`.
int32_t ReadColumnWidth(const HostOs& os, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& defaultText, int32_t whenZero);

// What a window knows when it closes.
struct FormCloseState {
    bool placementAvailable = false;
    Rect normal;
    bool topmost = false;
    std::vector<int32_t> columnWidths;  // in the order of the column keys
    // Keys of the window's own and their texts, written after the columns.
    std::vector<std::pair<std::string, std::string>> extras;
};

// Writes the closing state in one write of the file: a rectangle only when the
// placement could be read. A file that exists but cannot be read is left
// alone rather than replaced (Failed).
SettingsWrite WriteWindowKeys(const WindowKeys& keys, const FormCloseState& state, HostOs& os,
                              const std::string& path);

// When SaveOnExit is 1: the window's keys, a failed write told once a run; a
// placement that could not be read shows the window's failure message after.
void SaveFormSettings(const WindowKeys& keys, const FormCloseState& state, RunState& run,
                      HostOs& os, const std::string& path, Prompts& prompts);

}  // namespace varnolux
