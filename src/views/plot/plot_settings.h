#pragma once
// The Plot window's section of the settings file: its place, TopMost, its
// toggles, its depth and whether it was open when the program closed.
#include <cstdint>
#include <string>

#include "layout/window_placement.h"
#include "seams/host_os.h"
#include "seams/settings_file.h"

namespace varnolux {

struct PlotSettings {
    Rect stored;  // empty when never placed
    bool topMost = false;
    bool sharedScale = true;
    bool timeAxis = false;
    int32_t depth = 100000;  // "PlotDepth": dumps held, at least 10
};

PlotSettings ReadPlotSettings(const HostOs& os, const std::string& path);

// Written when the window closes while SaveOnExit is 1. `stillOpen` is set
// when the program closes it, so it opens again at the next start.
struct PlotCloseState {
    bool placementAvailable = false;
    Rect normal;
    bool topMost = false;
    bool sharedScale = true;
    bool timeAxis = false;
    bool stillOpen = false;
};
SettingsWrite SavePlotSettings(HostOs& os, const std::string& path, const PlotCloseState& state);

}  // namespace varnolux
