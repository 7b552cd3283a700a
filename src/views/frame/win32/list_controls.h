#pragma once
// The report list views of the auxiliary windows: created as children of the
// window, their columns added at 100 % widths, their cells drawn in the
// colours the window's model gives, their widths read back at closing.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "vars/main_list.h"
#include "vars/win32/list_cell_draw.h"

namespace varnolux {

// A report list view child of `window`; `style` and `exStyle` add to the list's own.
HWND CreateReportList(HWND window, int id, int x, int y, int width, int height, DWORD style,
                      DWORD exStyle);
// A column `width` wide at 100 %; a list without headers gives no `header` text.
void AddListColumn(HWND list, int column, const char* header, int width, int format = LVCFMT_LEFT);
// The widths of the first `count` columns, at 100 %.
std::vector<int32_t> ListColumnWidths(HWND list, int count);

// Black text on the background.
inline CellColours BlackTextOn(Rgb background) {
    return CellColours{false, Rgb{}, background};
}
// DrawCells for a WM_NOTIFY message: true, with its answer in *result, when
// it is the custom draw of the list `listId`.
bool DrawListCells(UINT message, LPARAM lParam, int listId, const CellColouring& colours,
                   LRESULT* result);

}  // namespace varnolux
