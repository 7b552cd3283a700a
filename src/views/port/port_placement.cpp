#include "views/port/port_placement.h"

#include "seams/ini_file.h"
#include "views/frame/aux_placement.h"

namespace varnolux {

namespace {

std::string Numbered(const char* key, size_t n) {
    return key + std::to_string(n);
}

std::string ExpandedKey(size_t port) {
    return std::string("Port") + static_cast<char>('A' + port) + "Expanded";
}

}  // namespace

PortPlacement ReadPortPlacement(const HostOs& os, const std::string& path) {
    PortPlacement p;
    p.rect = ReadWindowRect(os, path, kPortSection);
    for (size_t c = 0; c < p.columns.size(); ++c) {
        const int32_t width = IniNumber(IniRead(os, path, kPortSection, Numbered("Column", c), ""));
        p.columns[c] = width != 0 ? width : kPortColumnWidths[c];
    }
    for (size_t h = 0; h < p.headers.size(); ++h) {
        const int32_t width =
            IniReadNumber(os, path, kPortSection, Numbered("Header", h), kPortHeaderWidth);
        p.headers[h] = width != 0 ? width : kPortHeaderWidth;
    }
    for (size_t port = 0; port < p.expanded.size(); ++port)
        p.expanded[port] = IniReadNumber(os, path, kPortSection, ExpandedKey(port), 1);
    return p;
}

void WritePortPlacement(HostOs& os, const std::string& path, const PortPlacement& p,
                        int32_t alwaysOnTopPO) {
    WriteWindowRect(os, path, kPortSection, p.rect);
    IniWriteNumber(os, path, "Preferences", "AlwaysOnTopPO", alwaysOnTopPO);
    for (size_t c = 0; c < p.columns.size(); ++c)
        IniWriteNumber(os, path, kPortSection, Numbered("Column", c), p.columns[c]);
    for (size_t h = 0; h < p.headers.size(); ++h)
        IniWriteNumber(os, path, kPortSection, Numbered("Header", h), p.headers[h]);
    for (size_t port = 0; port < p.expanded.size(); ++port)
        IniWriteNumber(os, path, kPortSection, ExpandedKey(port), p.expanded[port]);
}

}  // namespace varnolux
