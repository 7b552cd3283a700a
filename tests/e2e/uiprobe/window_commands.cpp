// Commands that wait for windows and read their texts, states and places.
// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "probe.h"

namespace uiprobe {

namespace {

std::string RectText(const RECT& r) {
    char text[80];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
    return text;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    Print(std::to_string(GetDlgCtrlID(hwnd)) + "\t" + name + "\t" + WindowText(hwnd));
    return TRUE;
}

BOOL CALLBACK PrintTop(HWND hwnd, LPARAM) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (IsWindowVisible(hwnd)) Print(std::string(name) + "\t" + WindowText(hwnd));
    return TRUE;
}

}  // namespace

CommandTable WindowCommands() {
    return {
        {"wait-window",
         {2, 2,
          [](const Args& a) {
              return WaitForWindow(a[0], std::atof(a[1].c_str())) ? 0 : Fail("timed out");
          }}},
        {"wait-visible",
         {2, 2,
          [](const Args& a) {
              return WaitForWindow(a[0], std::atof(a[1].c_str()), true) ? 0 : Fail("timed out");
          }}},
        {"wait-gone",
         {2, 2,
          [](const Args& a) {
              return WaitForNoWindow(a[0], std::atof(a[1].c_str())) ? 0 : Fail("timed out");
          }}},
        {"exists", {1, 1, [](const Args& a) { return FindTop(a[0]) ? 0 : 1; }}},
        {"title",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              if (!w) return 1;
              Print(WindowText(w));
              return 0;
          }}},
        {"windows",
         {0, 0,
          [](const Args&) {
              EnumWindows(PrintTop, 0);
              return 0;
          }}},
        {"children",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              if (!w) return 1;
              EnumChildWindows(w, PrintChild, 0);
              return 0;
          }}},
        {"parts",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              HWND bar = w ? FindChildOfClass(w, STATUSCLASSNAMEA) : nullptr;
              std::vector<int> edges;
              if (!bar || !StatusParts(bar, &edges)) return Fail("no status bar");
              std::string line;
              for (size_t i = 0; i < edges.size(); ++i)
                  line += (i ? " " : "") + std::to_string(edges[i]);
              Print(line);
              return 0;
          }}},
        {"status",
         {2, 2,
          [](const Args& a) {
              HWND w = Top(a[0]);
              HWND bar = w ? FindChildOfClass(w, STATUSCLASSNAMEA) : nullptr;
              std::string text;
              if (!bar || !StatusText(bar, Number(a[1]), &text)) return Fail("no status text");
              Print(text);
              return 0;
          }}},
        {"text",
         {2, 2,
          [](const Args& a) {
              HWND c = Child(a[0], a[1]);
              if (!c) return 1;
              Print(WindowText(c));
              return 0;
          }}},
        {"enabled",
         {1, 2,
          [](const Args& a) {
              HWND w = TopOrChild(a);
              return w ? PrintFlag(IsWindowEnabled(w)) : 1;
          }}},
        {"visible",
         {1, 2,
          [](const Args& a) {
              HWND w = TopOrChild(a);
              return w ? PrintFlag(IsWindowVisible(w)) : 1;
          }}},
        {"checked",
         {2, 2,
          [](const Args& a) {
              HWND c = Child(a[0], a[1]);
              LRESULT state = 0;
              if (!c || !Send(c, BM_GETCHECK, 0, 0, &state)) return 1;
              Print(std::to_string(state));
              return 0;
          }}},
        {"topmost",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              return w ? PrintFlag(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) : 1;
          }}},
        {"rect",
         {1, 2,
          [](const Args& a) {
              HWND w = TopOrChild(a);
              RECT r;
              if (!w || !GetWindowRect(w, &r)) return 1;
              Print(RectText(r));
              return 0;
          }}},
        {"client",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              RECT r;
              if (!w || !GetClientRect(w, &r)) return 1;
              Print(std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
              return 0;
          }}},
        {"workarea",
         {0, 0,
          [](const Args&) {
              RECT r;
              if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return Fail("no work area");
              Print(RectText(r));
              return 0;
          }}},
        {"move",
         {5, 5,
          [](const Args& a) {
              HWND w = Top(a[0]);
              const int left = Number(a[1]), top = Number(a[2]);
              return w && SetWindowPos(w, nullptr, left, top, Number(a[3]) - left,
                                       Number(a[4]) - top, SWP_NOZORDER | SWP_NOACTIVATE)
                         ? 0
                         : 1;
          }}},
        {"colours",
         {2, 2,
          [](const Args& a) {
              HWND w = Child(a[0], a[1]);
              if (!w) return 1;
              Print(std::to_string(ScreenColourCount(w)));
              return 0;
          }}},
    };
}

}  // namespace uiprobe
