#include "layout/win32/maximised_place.h"

#include "layout/window_placement.h"

namespace varnolux {

void KeepCaptionOnScreen(HWND window, MINMAXINFO& info) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    if ((style & WS_CAPTION) != WS_CAPTION || !(style & WS_MAXIMIZEBOX)) return;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style & ~WS_CAPTION, FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    if (!GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary)) return;
    const RECT& w = primary.rcWork;
    const Rect r = MaximisedRect(Rect{w.left, w.top, w.right, w.bottom}, primary.rcMonitor.left,
                                 primary.rcMonitor.top, -frame.left, -frame.top);
    info.ptMaxPosition = POINT{r.left, r.top};
    info.ptMaxSize = POINT{r.right - r.left, r.bottom - r.top};
}

}  // namespace varnolux
