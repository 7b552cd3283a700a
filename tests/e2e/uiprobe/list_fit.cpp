// Whether the texts of another process's list view fit their columns: the
// width the list's own font gives each text, against its column's width.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include "probe.h"

namespace uiprobe {

namespace {

// The room the list keeps around a text, both sides together: what it gives a
// column sized to its cells or to its header.
constexpr int kCellMargin = 12;
constexpr int kHeaderMargin = 11;

int RemoteStringWidth(HWND list, const std::string& text) {
    RemoteMemory memory(list, text.size() + 1);
    LRESULT width = 0;
    if (!memory.ok() || !memory.Write(0, text.c_str(), text.size() + 1) ||
        !Send(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(memory.address()), &width))
        return -1;
    return static_cast<int>(width);
}

}  // namespace

int CutTexts(HWND list, std::string* first, int onlyColumn) {
    const int columns = ListColumnCount(list);
    const int rows = ListRowCount(list);
    if (columns < 0 || rows < 0) return -1;
    int cut = 0;
    for (int c = 0; c < columns; ++c) {
        if (onlyColumn >= 0 && c != onlyColumn) continue;
        int width = 0;
        std::string header;
        if (!ListColumn(list, c, &width, &header)) return -1;
        for (int r = -1; r < rows; ++r) {
            std::string text = header;
            if (r >= 0 && !ListCell(list, r, c, &text)) return -1;
            const int needed =
                RemoteStringWidth(list, text) + (r < 0 ? kHeaderMargin : kCellMargin);
            if (text.empty() || needed <= width) continue;
            if (cut++ == 0)
                *first = "column " + std::to_string(c) + ": '" + text + "' needs " +
                         std::to_string(needed) + " of " + std::to_string(width);
        }
    }
    return cut;
}

}  // namespace uiprobe
