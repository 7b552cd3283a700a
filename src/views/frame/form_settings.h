#pragma once
// The settings each auxiliary window keeps in a section of its own: its normal
// rectangle ("Left", "Right", "Top", "Bottom"), its column widths, and its
// TopMost flag in "Preferences". Read when the window opens, written when it
// closes while SaveOnExit is set.
#include <cstdint>
#include <string>
#include <vector>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/prompts.h"

namespace varnolux {

struct FormSettingsKeys {
    std::string section;                  // "Source Placement"
    std::vector<std::string> columnKeys;  // in column order
    std::string topMostKey;               // in "Preferences"
    std::string placementFailure;         // shown when the placement cannot be read; empty: none
    std::string failureCaption;
};

// The stored normal rectangle; missing values read as 0.
Rect ReadStoredRect(const HostOs& os, const std::string& path, const std::string& section);

// Where a window opens: the stored rectangle fitted into the work area as the
// main window's is. A window that was never placed (nothing stored) opens at
// the rectangle it is created with, or beside the `taken` rectangles of the
// program's other windows when it would cover one.
Rect PlaceFormWindow(const Rect& stored, const Rect& created, const Rect& workArea,
                     const std::vector<Rect>& taken = {});

// A stored column width read with `defaultText`; a width that reads as 0 gives `whenZero`.
int32_t ReadColumnWidth(const HostOs& os, const std::string& path, const std::string& section,
                        const std::string& key, const std::string& defaultText, int32_t whenZero);

// What a window knows when it closes.
struct FormCloseState {
    bool placementAvailable = false;
    Rect normal;
    bool topmost = false;
    std::vector<int32_t> columnWidths;  // in the order of the column keys
};

// When `saveOnExit` is 1: the column widths, the TopMost flag and the normal
// rectangle, in that order; a placement that could not be read writes no
// rectangle and shows the window's failure message instead.
void SaveFormSettings(const FormSettingsKeys& keys, const FormCloseState& state, int32_t saveOnExit,
                      HostOs& os, const std::string& path, Prompts& prompts);

}  // namespace varnolux
