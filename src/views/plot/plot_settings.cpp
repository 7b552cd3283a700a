#include "views/plot/plot_settings.h"

#include "seams/ini_file.h"
#include "views/frame/form_settings.h"

namespace varnolux {

namespace {

constexpr int32_t kLeastDepth = 10;

}  // namespace

PlotSettings ReadPlotSettings(const HostOs& os, const std::string& path) {
    PlotSettings s;
    auto number = [&](const char* key, int32_t fallback) {
        return IniReadNumber(os, path, kPlotSection, key, fallback);
    };
    s.stored = ReadStoredRect(os, path, kPlotSection);
    s.topMost = number("AlwaysOnTop", 0) == 1;
    s.sharedScale = number("SharedScale", 1) != 0;
    s.timeAxis = number("TimeAxis", 0) == 1;
    s.depth = number("PlotDepth", s.depth);
    if (s.depth < kLeastDepth) s.depth = kLeastDepth;
    return s;
}

void SavePlotSettings(HostOs& os, const std::string& path, const PlotCloseState& state) {
    const auto before = os.ReadFile(path);
    if (!before && os.FileExists(path)) return;  // unreadable: left alone
    IniDocument doc(before.value_or(std::string()));
    auto number = [&doc](const char* key, int32_t value) {
        doc.Write(kPlotSection, key, std::to_string(value));
    };
    if (state.placementAvailable) {
        number("Left", state.normal.left);
        number("Right", state.normal.right);
        number("Top", state.normal.top);
        number("Bottom", state.normal.bottom);
    }
    number("AlwaysOnTop", state.topMost);
    number("SharedScale", state.sharedScale);
    number("TimeAxis", state.timeAxis);
    number("Visible", state.stillOpen);
    if (!before || doc.Text() != *before) os.WriteFile(path, doc.Text());
}

}  // namespace varnolux
