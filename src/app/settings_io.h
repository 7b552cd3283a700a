#pragma once
// Reading Varnolux.ini into Settings at start-up and writing the main window's
// keys back when it closes.
#include <array>
#include <cstdint>
#include <string>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "seams/settings_file.h"
#include "state/run_state.h"
#include "state/session.h"
#include "state/settings.h"
#include "state/var_record.h"

namespace varnolux {

// Built-in widths of the main list's columns, used where a stored width is 0.
constexpr std::array<int32_t, 7> kBuiltInColumnWidths{28, 164, 80, 63, 75, 70, 70};

// Reads every key of "Window Placement", "Preferences", "Comms", "Debug",
// "Locations" and "WatchVisible" of "Watch Placement"; missing keys keep
// their defaults, unreadable numbers read as 0. A "Baud" that is not one of
// the supported rates becomes 0 (automatic detection).
void LoadSettings(Settings& settings, const HostOs& os, const std::string& path);

// The main window's stored normal rectangle (not yet fitted to the work area).
Rect StoredMainRect(const Settings& settings);

// The width a column is given: the stored one, or the built-in one for 0.
int32_t ColumnWidth(const Settings& settings, int column);

// What the main window knows when it starts closing.
struct MainWindowSnapshot {
    bool placementAvailable = false;  // GetWindowPlacement succeeded
    Rect normal;                      // its normal (restored) rectangle
    bool topmost = false;
    bool watchWindowOpen = false;
    std::array<int32_t, 7> columnWidths{};
};

// Writes the main window's keys, "WatchVisible" and the watched items, in that
// order, in one write of the whole file; the watched items only when there is
// a variable table. Every other byte of the file stays as it was; a file that
// cannot be read or written is left alone.
SettingsWrite SaveSettings(const Settings& settings, const MainWindowSnapshot& snap,
                           const VarTable& records, HostOs& os, const std::string& path);

// How the main window is being closed.
enum class ExitChoice { Exit, ExitWithoutSaving, CloseBox };

// "Exit" saves once a project has been chosen, "Exit w/o saving" never saves,
// the close box leaves the choice as it was.
void ApplyExitChoice(RunState& run, ExitChoice choice);

// The close sequence's save: SaveSettings with the session's settings and
// records when SaveOnExit is set; a write that fails is told once. Returns
// whether it saved.
bool SaveSettingsOnClose(Session& session, const MainWindowSnapshot& snap, HostOs& os,
                         Prompts& prompts);

}  // namespace varnolux
