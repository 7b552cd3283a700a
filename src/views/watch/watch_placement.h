#pragma once
// The Watch window's section "Watch Placement" and its sizes: where it opens,
// its column widths and history depth, and how a change of depth moves its
// left edge.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "seams/settings_file.h"
#include "state/session.h"
#include "views/watch/watch_rows.h"

namespace varnolux {

// Where the window is created and its built-in column widths.
constexpr Rect kWatchCreatedRect{93, 160, 93 + 368, 160 + 473};
constexpr int32_t kWatchLabelWidth = 150;
constexpr int32_t kWatchValueWidth = 100;

struct WatchPlacement {
    Rect stored;  // "Left", "Top", "Right", "Bottom"; 0 where missing
    int32_t column0 = 0;
    int32_t column1 = 0;
    int32_t historyDepth = 0;
};

WatchPlacement ReadWatchPlacement(const HostOs& os, const std::string& path);

// The stored rectangle fitted into the work area as the main window's is; with
// nothing stored, the window opens where it is created, or beside the `taken`
// rectangles of the program's other windows when it would cover one.
Rect WatchWindowRect(const Rect& stored, const Rect& workArea, int32_t dpi = kBaseDpi,
                     const std::vector<Rect>& taken = {});

// What the window knows as it closes.
struct WatchClosing {
    bool placementAvailable = false;
    Rect normal;
    int32_t labelWidth = 0;
    int32_t valueWidth = 0;
    std::string depthText;  // the text of the depth box
    bool topmost = false;
};

// With "SaveOnExit" set: the column widths, the depth and the placement into
// "Watch Placement", "AlwaysOnTopW" into "Preferences"; a failed write is told
// once a run. Returns whether it saved.
bool SaveWatchPlacement(Session& session, HostOs& os, Prompts& prompts,
                        const WatchClosing& closing);

// A stored width of 0 gives the built-in one.
int32_t WatchLabelWidth(int32_t stored);
int32_t WatchValueWidth(int32_t stored);

// Label and Value as given, the history columns within the depth as wide as
// Value, the others 0 wide.
std::array<int32_t, kWatchColumns> WatchColumnWidths(int32_t labelWidth, int32_t valueWidth,
                                                     int depth);

// The depth typed into the box: digits up to 7; a larger number becomes 7 and
// the box is to show "7".
struct DepthEntry {
    int depth = 0;
    bool replaced = false;
};
DepthEntry ReadDepthText(const std::string& text);

// How far the left edge moves right (negative: left) when the depth changes,
// so that the right edge stays.
int32_t DepthChangeLeftShift(int oldDepth, int newDepth, int32_t valueWidth);

}  // namespace varnolux
