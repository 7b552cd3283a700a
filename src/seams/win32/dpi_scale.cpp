#include "seams/win32/dpi_scale.h"

#include <commctrl.h>

namespace varnolux {

namespace {

constexpr int kBaseDpi = 96;

struct ScaleJob {
    HWND form;
};

BOOL CALLBACK ScaleChild(HWND child, LPARAM param) {
    const HWND form = reinterpret_cast<ScaleJob*>(param)->form;
    if (GetParent(child) != form) return TRUE;  // controls inside controls follow their own
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, STATUSCLASSNAMEA) == 0) {
        // A status bar places itself; its parts' right edges grow.
        int edges[16];
        const int parts =
            static_cast<int>(SendMessageA(child, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
        for (int i = 0; i < parts && i < 16; ++i)
            if (edges[i] >= 0) edges[i] = ToScreen(edges[i]);
        if (parts > 0) SendMessageA(child, SB_SETPARTS, parts, reinterpret_cast<LPARAM>(edges));
        return TRUE;
    }
    SetWindowPos(child, nullptr, ToScreen(r.left), ToScreen(r.top), ToScreen(r.right - r.left),
                 ToScreen(r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

}  // namespace

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
        if (screen) ReleaseDC(nullptr, screen);
        return value > 0 ? value : kBaseDpi;
    }();
    return dpi;
}

int ToScreen(int logical) {
    return MulDiv(logical, ScreenDpi(), kBaseDpi);
}

int FromScreen(int device) {
    return MulDiv(device, kBaseDpi, ScreenDpi());
}

void ScaleCreatedForm(HWND form) {
    if (!form || ScreenDpi() == kBaseDpi) return;
    RECT window, client;
    GetWindowRect(form, &window);
    GetClientRect(form, &client);
    const int grownWidth = ToScreen(client.right) - client.right;
    const int grownHeight = ToScreen(client.bottom) - client.bottom;
    SetWindowPos(form, nullptr, 0, 0, window.right - window.left + grownWidth,
                 window.bottom - window.top + grownHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleJob job{form};
    EnumChildWindows(form, ScaleChild, reinterpret_cast<LPARAM>(&job));
}

}  // namespace varnolux
