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

// The status bar of the window of the class; null when there is none.
HWND StatusBar(const std::string& className) {
    HWND window = Top(className);
    return window ? FindChildOfClass(window, STATUSCLASSNAMEA) : nullptr;
}

// A command that waits up to CLASS SECONDS for `wait` to hold.
Command Waiting(bool (*wait)(const std::string& className, double seconds)) {
    return {2, 2, [wait](const Args& a) {
                return wait(a[0], std::atof(a[1].c_str())) ? 0 : Fail("timed out");
            }};
}

// The width of a text in the stock GUI font, which the program's status bar
// uses; the room a part keeps around its text, both sides together.
constexpr int kStatusTextMargin = 6;
int GuiFontTextWidth(const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

std::string Flag(bool flag) {
    return flag ? "1" : "0";
}

}  // namespace

CommandTable WindowCommands() {
    return {
        {"wait-window",
         Waiting([](const std::string& c, double s) { return WaitForWindow(c, s) != nullptr; })},
        {"wait-visible", Waiting([](const std::string& c, double s) {
             return WaitForWindow(c, s, true) != nullptr;
         })},
        {"wait-gone", Waiting(WaitForNoWindow)},
        {"exists", {1, 1, [](const Args& a) { return FindTop(a[0]) ? 0 : 1; }}},
        {"title",
         Printing(1, 1, Target::Top, [](HWND w, const Args&) -> Reading { return WindowText(w); })},
        {"windows",
         {0, 0,
          [](const Args&) {
              EnumWindows(PrintTop, 0);
              return 0;
          }}},
        {"children", OnWindow(1, 1, Target::Top,
                              [](HWND w, const Args&) {
                                  EnumChildWindows(w, PrintChild, 0);
                                  return 0;
                              })},
        {"parts",
         {1, 1,
          [](const Args& a) {
              HWND bar = StatusBar(a[0]);
              std::vector<int> edges;
              if (!bar || !StatusParts(bar, &edges)) return Fail("no status bar");
              std::string line;
              for (size_t i = 0; i < edges.size(); ++i)
                  line += (i ? " " : "") + std::to_string(edges[i]);
              Print(line);
              return 0;
          }}},
        {"status-fits",
         {2, 2,
          [](const Args& a) {
              HWND bar = StatusBar(a[0]);
              const int part = Number(a[1]);
              std::vector<int> edges;
              std::string text;
              if (!bar || !StatusParts(bar, &edges) || part < 0 ||
                  static_cast<size_t>(part) >= edges.size() || !StatusText(bar, part, &text))
                  return Fail("no status part");
              const int width = edges[part] - (part > 0 ? edges[part - 1] : 0);
              const int needed = GuiFontTextWidth(text) + kStatusTextMargin;
              Print(needed <= width ? "fits"
                                    : "'" + text + "' needs " + std::to_string(needed) + " of " +
                                          std::to_string(width));
              return 0;
          }}},
        {"status",
         {2, 2,
          [](const Args& a) {
              HWND bar = StatusBar(a[0]);
              std::string text;
              if (!bar || !StatusText(bar, Number(a[1]), &text)) return Fail("no status text");
              Print(text);
              return 0;
          }}},
        {"status-shown",
         {2, 2,
          [](const Args& a) {
              HWND bar = StatusBar(a[0]);
              std::string shown;
              if (!bar || !StatusShownText(bar, Number(a[1]), &shown))
                  return Fail("no status text");
              Print(shown);
              return 0;
          }}},
        {"menu",
         {2, 2,
          [](const Args& a) {
              std::vector<std::string> lines;
              if (!MenuResourceItems(a[0], Number(a[1]), &lines)) return Fail("no menu " + a[1]);
              for (const std::string& line : lines) Print(line);
              return 0;
          }}},
        {"text", Printing(2, 2, Target::Child,
                          [](HWND c, const Args&) -> Reading { return WindowText(c); })},
        {"enabled",
         Printing(1, 2, Target::TopOrChild,
                  [](HWND w, const Args&) -> Reading { return Flag(IsWindowEnabled(w)); })},
        {"visible",
         Printing(1, 2, Target::TopOrChild,
                  [](HWND w, const Args&) -> Reading { return Flag(IsWindowVisible(w)); })},
        {"checked", Printing(2, 2, Target::Child,
                             [](HWND c, const Args&) -> Reading {
                                 LRESULT state = 0;
                                 if (!Send(c, BM_GETCHECK, 0, 0, &state)) return std::nullopt;
                                 return std::to_string(state);
                             })},
        {"topmost", Printing(1, 1, Target::Top,
                             [](HWND w, const Args&) -> Reading {
                                 return Flag(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
                             })},
        {"rect", Printing(1, 2, Target::TopOrChild,
                          [](HWND w, const Args&) -> Reading {
                              RECT r;
                              if (!GetWindowRect(w, &r)) return std::nullopt;
                              return RectText(r);
                          })},
        {"caption", Printing(1, 1, Target::Top,
                             [](HWND w, const Args&) -> Reading {
                                 TITLEBARINFO bar{};
                                 bar.cbSize = sizeof bar;
                                 if (!GetTitleBarInfo(w, &bar)) return std::nullopt;
                                 return RectText(bar.rcTitleBar);
                             })},
        {"client", Printing(1, 1, Target::Top,
                            [](HWND w, const Args&) -> Reading {
                                RECT r;
                                if (!GetClientRect(w, &r)) return std::nullopt;
                                return std::to_string(r.right - r.left) + " " +
                                       std::to_string(r.bottom - r.top);
                            })},
        {"workarea",
         {0, 0,
          [](const Args&) {
              RECT r;
              if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return Fail("no work area");
              Print(RectText(r));
              return 0;
          }}},
        {"move", OnWindow(5, 5, Target::Top,
                          [](HWND w, const Args& a) {
                              const int left = Number(a[1]), top = Number(a[2]);
                              return SetWindowPos(w, nullptr, left, top, Number(a[3]) - left,
                                                  Number(a[4]) - top, SWP_NOZORDER | SWP_NOACTIVATE)
                                         ? 0
                                         : 1;
                          })},
        {"colours", Printing(2, 2, Target::Child,
                             [](HWND c, const Args&) -> Reading {
                                 return std::to_string(ScreenColourCount(c));
                             })},
    };
}

}  // namespace uiprobe
