// What a status bar part of another process shows of its text: the longest
// beginning of the text that the part's width holds in the bar's font.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include "probe.h"

namespace uiprobe {

namespace {

// The part's sunken edge and the gap the bar leaves before a text.
constexpr int kPartMargin = 5;

bool PartWidth(HWND bar, int part, int* width) {
    RemoteMemory memory(bar, sizeof(RECT));
    RECT rect{};
    LRESULT got = 0;
    if (!memory.ok() ||
        !Send(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(memory.address()), &got) || !got ||
        !memory.Read(0, &rect, sizeof rect))
        return false;
    *width = rect.right - rect.left;
    return true;
}

}  // namespace

bool StatusShownText(HWND bar, int part, std::string* shown) {
    std::string text;
    int width = 0;
    if (!StatusText(bar, part, &text) || !PartWidth(bar, part, &width)) return false;
    HDC dc = GetDC(bar);
    if (!dc) return false;
    LRESULT font = 0;
    Send(bar, WM_GETFONT, 0, 0, &font);
    HGDIOBJ old =
        SelectObject(dc, font ? reinterpret_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    size_t length = text.size();
    SIZE size{};
    while (length > 0 && GetTextExtentPoint32A(dc, text.data(), static_cast<int>(length), &size) &&
           size.cx + kPartMargin > width)
        --length;
    if (old) SelectObject(dc, old);
    ReleaseDC(bar, dc);
    *shown = text.substr(0, length);
    return true;
}

}  // namespace uiprobe
