#include "views/watch/watch_placement.h"

#include "layout/free_place.h"
#include "seams/ini_file.h"

namespace varnolux {

namespace {

constexpr const char* kSection = "Watch Placement";

}  // namespace

WatchPlacement ReadWatchPlacement(const HostOs& os, const std::string& path) {
    WatchPlacement p;
    p.stored.left = IniNumber(IniRead(os, path, kSection, "Left", ""));
    p.stored.right = IniNumber(IniRead(os, path, kSection, "Right", ""));
    p.stored.top = IniNumber(IniRead(os, path, kSection, "Top", ""));
    p.stored.bottom = IniNumber(IniRead(os, path, kSection, "Bottom", ""));
    p.column0 = IniReadNumber(os, path, kSection, "Column0", 0);
    p.column1 = IniReadNumber(os, path, kSection, "Column1", 0);
    // The up-down cannot go beyond 0 to 7, whatever the file says.
    const int32_t depth = IniReadNumber(os, path, kSection, "HistoryDepth", 0);
    p.historyDepth = depth < 0 ? 0 : (depth > kWatchDepthMax ? kWatchDepthMax : depth);
    return p;
}

Rect WatchWindowRect(const Rect& stored, const Rect& workArea, int32_t dpi,
                     const std::vector<Rect>& taken) {
    const bool empty = stored.right <= stored.left || stored.bottom <= stored.top;
    if (!empty) return PlaceMainWindow(stored, workArea);
    return FreePlace(PlaceMainWindow(ScaledSize(kWatchCreatedRect, dpi), workArea), taken,
                     workArea);
}

bool SaveWatchPlacement(Session& session, HostOs& os, const WatchClosing& closing) {
    session.settings.AlwaysOnTopW = closing.topmost ? 1 : 0;
    if (session.run.SaveOnExit.load() != 1) return false;
    const std::string& path = session.project.settingsPath;
    const auto before = os.ReadFile(path);
    // A file that exists but cannot be read is left alone rather than replaced.
    if (!before && os.FileExists(path)) return false;
    IniDocument doc(before.value_or(std::string()));
    auto number = [&doc](const char* section, const char* key, int32_t value) {
        doc.Write(section, key, std::to_string(value));
    };
    number(kSection, "Column0", closing.labelWidth);
    number(kSection, "Column1", closing.valueWidth);
    doc.Write(kSection, "HistoryDepth", closing.depthText);
    number("Preferences", "AlwaysOnTopW", session.settings.AlwaysOnTopW);
    if (closing.placementAvailable) {
        number(kSection, "Left", closing.normal.left);
        number(kSection, "Right", closing.normal.right);
        number(kSection, "Top", closing.normal.top);
        number(kSection, "Bottom", closing.normal.bottom);
    }
    if (!before || doc.Text() != *before) os.WriteFile(path, doc.Text());
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
