#include "seams/win32/status_fit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "seams/status_parts.h"
#include "seams/win32/dpi_scale.h"

namespace varnolux {

namespace {

std::string PartText(HWND bar, int part) {
    const size_t length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
    std::string text(length + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length);
    return text;
}

int TextWidth(HWND bar, const std::string& text) {
    HDC dc = GetDC(bar);
    if (!dc) return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    if (old) SelectObject(dc, old);
    ReleaseDC(bar, dc);
    return size.cx;
}

}  // namespace

void FitStatusParts(HWND bar) {
    if (!bar) return;
    RECT client{};
    GetClientRect(bar, &client);
    int now[kStatusParts] = {};
    const LRESULT parts =
        SendMessageA(bar, SB_GETPARTS, kStatusParts, reinterpret_cast<LPARAM>(now));
    const StatusPartEdges logical =
        StatusPartEdgesFor(FromScreen(TextWidth(bar, PartText(bar, 0))),
                           FromScreen(TextWidth(bar, PartText(bar, kStatusParts - 1))),
                           FromScreen(client.right - client.left), FromScreen(now[0]));
    int edges[kStatusParts];
    for (int i = 0; i < kStatusParts; ++i) edges[i] = logical[i] < 0 ? -1 : ToScreen(logical[i]);
    if (parts == kStatusParts && std::equal(edges, edges + kStatusParts, now)) return;
    SendMessageA(bar, SB_SETPARTS, kStatusParts, reinterpret_cast<LPARAM>(edges));
}

}  // namespace varnolux
