#include "views/watch/watch_placement.h"

#include "seams/ini_file.h"
#include "views/frame/window_keys.h"
#include "views/frame/window_place.h"

namespace varnolux {

namespace {

constexpr const char* kHistoryDepth = "HistoryDepth";

}  // namespace

WatchPlacement ReadWatchPlacement(const HostOs& os, const std::string& path) {
    const WindowKeys& keys = WindowKeysOf(ViewKind::Watch);
    WatchPlacement p;
    p.stored = ReadStoredRect(os, path, keys.section);
    p.column0 = ReadColumnWidth(os, path, keys.section, keys.columnKeys[0], "0", 0);
    p.column1 = ReadColumnWidth(os, path, keys.section, keys.columnKeys[1], "0", 0);
    // The up-down cannot go beyond 0 to 7, whatever the file says.
    const int32_t depth = IniReadNumber(os, path, keys.section, kHistoryDepth, 0);
    p.historyDepth = depth < 0 ? 0 : (depth > kWatchDepthMax ? kWatchDepthMax : depth);
    return p;
}

Rect WatchWindowRect(const Rect& stored, const Rect& workArea, int32_t dpi,
                     const std::vector<Rect>& taken) {
    return PlaceFormWindow(stored, ScaledSize(kWatchCreatedRect, dpi), workArea, taken);
}

bool SaveWatchPlacement(Session& session, HostOs& os, Prompts& prompts,
                        const WatchClosing& closing) {
    session.settings.AlwaysOnTopW = closing.topmost ? 1 : 0;
    if (session.run.SaveOnExit.load() != 1) return false;
    FormCloseState state;
    state.placementAvailable = closing.placementAvailable;
    state.normal = closing.normal;
    state.topmost = closing.topmost;
    state.columnWidths = {closing.labelWidth, closing.valueWidth};
    state.extras = {{kHistoryDepth, closing.depthText}};
    const std::string& path = session.project.settingsPath;
    ReportSettingsWrite(WriteWindowKeys(WindowKeysOf(ViewKind::Watch), state, os, path),
                        session.run.SettingsWriteReported, prompts, path);
    return true;
}

int32_t WatchLabelWidth(int32_t stored) {
    return stored > 0 ? stored : kWatchLabelWidth;
}

int32_t WatchValueWidth(int32_t stored) {
    return stored > 0 ? stored : kWatchValueWidth;
}

std::array<int32_t, kWatchColumns> WatchColumnWidths(int32_t labelWidth, int32_t valueWidth,
                                                     int depth) {
    std::array<int32_t, kWatchColumns> widths{};
    widths[kWatchColLabel] = labelWidth;
    widths[kWatchColValue] = valueWidth;
    for (int j = 0; j < depth && j < kWatchDepthMax; ++j)
        widths[kWatchColFirstHistory + j] = valueWidth;
    return widths;
}

DepthEntry ReadDepthText(const std::string& text) {
    DepthEntry entry;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        entry.depth = entry.depth * 10 + (c - '0');
        if (entry.depth > kWatchDepthMax) {
            entry.depth = kWatchDepthMax;
            entry.replaced = true;
            break;
        }
    }
    return entry;
}

int32_t DepthChangeLeftShift(int oldDepth, int newDepth, int32_t valueWidth) {
    return (oldDepth - newDepth) * valueWidth;
}

}  // namespace varnolux
