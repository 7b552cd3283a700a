#include "views/port/port_placement.h"

#include "seams/ini_file.h"
#include "views/frame/window_keys.h"

namespace varnolux {

namespace {

// The column keys: the list's five columns, then the header's three sections.
constexpr size_t kFirstHeader = kPortColumnWidths.size();

std::string ExpandedKey(size_t port) {
    return std::string("Port") + static_cast<char>('A' + port) + "Expanded";
}

}  // namespace

PortPlacement ReadPortPlacement(const HostOs& os, const std::string& path) {
    const WindowKeys& keys = WindowKeysOf(ViewKind::Port);
    const std::string headerDefault = std::to_string(kPortHeaderWidth);
    PortPlacement p;
    p.rect = ReadStoredRect(os, path, keys.section);
    for (size_t c = 0; c < p.columns.size(); ++c)
        p.columns[c] =
            ReadColumnWidth(os, path, keys.section, keys.columnKeys[c], "", kPortColumnWidths[c]);
    for (size_t h = 0; h < p.headers.size(); ++h)
        p.headers[h] = ReadColumnWidth(os, path, keys.section, keys.columnKeys[kFirstHeader + h],
                                       headerDefault, kPortHeaderWidth);
    for (size_t port = 0; port < p.expanded.size(); ++port)
        p.expanded[port] = IniReadNumber(os, path, keys.section, ExpandedKey(port), 1);
    return p;
}

SettingsWrite WritePortPlacement(HostOs& os, const std::string& path, const PortPlacement& p,
                                 int32_t alwaysOnTopPO) {
    FormCloseState state;
    state.placementAvailable = true;
    state.normal = p.rect;
    state.topmost = alwaysOnTopPO != 0;
    state.columnWidths.assign(p.columns.begin(), p.columns.end());
    state.columnWidths.insert(state.columnWidths.end(), p.headers.begin(), p.headers.end());
    for (size_t port = 0; port < p.expanded.size(); ++port)
        state.extras.emplace_back(ExpandedKey(port), std::to_string(p.expanded[port]));
    return WriteWindowKeys(WindowKeysOf(ViewKind::Port), state, os, path);
}

}  // namespace varnolux
