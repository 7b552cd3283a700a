// The colour a list view cell of another process is painted in, read from the
// screen just inside the cell's left edge, where no text is drawn.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include "probe.h"

namespace uiprobe {

bool ListCellColour(HWND list, int row, int column, COLORREF* colour) {
    RemoteMemory memory(list, sizeof(RECT));
    if (!memory.ok()) return false;
    RECT cell = {};
    cell.top = column;
    cell.left = LVIR_LABEL;
    LRESULT ok = 0;
    if (!memory.Write(0, &cell, sizeof cell) ||
        !Send(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(memory.address()), &ok) ||
        !ok || !memory.Read(0, &cell, sizeof cell))
        return false;
    RECT client;
    GetClientRect(list, &client);
    POINT at = {cell.left + 2, (cell.top + cell.bottom) / 2};
    // A row scrolled out of view (or under the header) has no colour on screen.
    RECT header = {};
    HWND headerControl = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (headerControl && IsWindowVisible(headerControl)) GetWindowRect(headerControl, &header);
    const int headerHeight = header.bottom - header.top;
    if (at.y < client.top + headerHeight || at.y >= client.bottom || at.x < client.left ||
        at.x >= client.right)
        return false;
    ClientToScreen(list, &at);
    HDC screen = GetDC(nullptr);
    *colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return *colour != CLR_INVALID;
}

}  // namespace uiprobe
