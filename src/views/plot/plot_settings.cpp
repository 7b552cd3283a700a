#include "views/plot/plot_settings.h"

#include "seams/ini_file.h"
#include "views/frame/window_keys.h"

namespace varnolux {

namespace {

constexpr int32_t kLeastDepth = 10;

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

PlotSettings ReadPlotSettings(const HostOs& os, const std::string& path) {
    const WindowKeys& keys = WindowKeysOf(ViewKind::Plot);
    PlotSettings s;
    auto number = [&](const char* key, int32_t fallback) {
        return IniReadNumber(os, path, keys.section, key, fallback);
    };
    s.stored = ReadStoredRect(os, path, keys.section);
    s.topMost = IniReadNumber(os, path, keys.topMostSection, keys.topMostKey, 0) == 1;
    s.sharedScale = number("SharedScale", 1) != 0;
    s.timeAxis = number("TimeAxis", 0) == 1;
    s.depth = number("PlotDepth", s.depth);
    if (s.depth < kLeastDepth) s.depth = kLeastDepth;
    return s;
}

SettingsWrite SavePlotSettings(HostOs& os, const std::string& path, const PlotCloseState& state) {
    FormCloseState keys;
    keys.placementAvailable = state.placementAvailable;
    keys.normal = state.normal;
    keys.topmost = state.topMost;
    keys.extras = {{"SharedScale", Flag(state.sharedScale)},
                   {"TimeAxis", Flag(state.timeAxis)},
                   {"Visible", Flag(state.stillOpen)}};
    return WriteWindowKeys(WindowKeysOf(ViewKind::Plot), keys, os, path);
}

}  // namespace varnolux
