// Mouse clicks on a list view cell of another process, as posted messages at
// the cell's centre (on column 0: its check box); the row is scrolled into view first.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include "probe.h"

namespace uiprobe {

bool ClickListCell(HWND list, int row, int column, Click click) {
    RECT cell;
    if (!Send(list, LVM_ENSUREVISIBLE, row, FALSE, nullptr) ||
        !ListCellRect(list, row, column, LVIR_BOUNDS, &cell))
        return false;
    // Column 0's bounds are the whole row's; its check box sits at the left edge.
    const int x = column == 0 ? cell.left + 9 : (cell.left + cell.right) / 2;
    const LPARAM at = MAKELPARAM(x, (cell.top + cell.bottom) / 2);
    if (click == Click::Right)
        return PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at) &&
               PostMessageA(list, WM_RBUTTONUP, 0, at);
    if (!PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at) ||
        !PostMessageA(list, WM_LBUTTONUP, 0, at))
        return false;
    return click != Click::Double || (PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at) &&
                                      PostMessageA(list, WM_LBUTTONUP, 0, at));
}

bool ClosePopupMenu() {
    HWND popup = FindTop("#32768");
    return popup && PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace uiprobe
