// Colours read from the screen: the one a list view cell of another process is
// painted in (just inside the cell's left edge, where no text is drawn), and
// how many a window shows.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include <set>
#include <vector>

#include "probe.h"

namespace uiprobe {

bool ListCellColour(HWND list, int row, int column, COLORREF* colour) {
    RECT cell;
    if (!ListCellRect(list, row, column, LVIR_LABEL, &cell)) return false;
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

int ScreenColourCount(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return 0;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    const int lines = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (lines != height) return 0;
    std::set<DWORD> colours;
    for (DWORD p : pixels) colours.insert(p & 0xFFFFFF);
    return static_cast<int>(colours.size());
}

}  // namespace uiprobe
