#include "views/frame/win32/list_controls.h"

#include "seams/win32/dpi_scale.h"

namespace varnolux {

HWND CreateReportList(HWND window, int id, int x, int y, int width, int height, DWORD style,
                      DWORD exStyle) {
    return CreateWindowExA(exStyle, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, x,
                           y, width, height, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void AddListColumn(HWND list, int column, const char* header, int width, int format) {
    LVCOLUMNA c{};
    c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM | (header ? LVCF_TEXT : 0);
    c.fmt = format;
    c.cx = ToScreen(width);
    c.pszText = const_cast<char*>(header);
    c.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&c));
}

std::vector<int32_t> ListColumnWidths(HWND list, int count) {
    std::vector<int32_t> widths;
    for (int c = 0; c < count; ++c)
        widths.push_back(
            FromScreen(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0))));
    return widths;
}

bool DrawListCells(UINT message, LPARAM lParam, int listId, const CellColouring& colours,
                   LRESULT* result) {
    if (message != WM_NOTIFY) return false;
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.idFrom != static_cast<UINT_PTR>(listId) || header.code != NM_CUSTOMDRAW)
        return false;
    *result = DrawCells(reinterpret_cast<NMLVCUSTOMDRAW&>(header), colours);
    return true;
}

}  // namespace varnolux
