// windows.h comes before the common controls header.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "probe.h"

namespace uiprobe {

namespace {

constexpr char kUsage[] =
    "usage: uiprobe COMMAND ARGS\n"
    "  wait-window CLASS SECONDS    wait until a window of CLASS exists\n"
    "  wait-visible CLASS SECONDS   wait until a window of CLASS is shown\n"
    "  wait-gone CLASS SECONDS      wait until no window of CLASS exists\n"
    "  windows                      one line per visible top-level window: class, title\n"
    "  exists CLASS                 exit 0 when a window of CLASS exists\n"
    "  title CLASS                  window title\n"
    "  children CLASS               one line per child window: id, class, text\n"
    "  parts CLASS                  right edges of the status bar parts\n"
    "  status CLASS PART            text of a status bar part\n"
    "  text CLASS ID                text of a child control\n"
    "  enabled CLASS [ID]           1 or 0\n"
    "  visible CLASS [ID]           1 or 0\n"
    "  checked CLASS ID             check state of a button: 0, 1 or 2\n"
    "  topmost CLASS                1 or 0\n"
    "  rect CLASS [ID]              screen rectangle: left top right bottom\n"
    "  client CLASS                 client area size: width height\n"
    "  workarea                     desktop work area: left top right bottom\n"
    "  move CLASS L T R B           move and size a top-level window\n"
    "  colours CLASS ID             how many colours a control shows on screen\n"
    "  cut-texts CLASS ID           list view texts wider than their column, and the first\n"
    "  count CLASS ID               number of list view rows\n"
    "  rows CLASS ID                every list view row, cells separated by tabs\n"
    "  cell CLASS ID ROW COL        one list view cell\n"
    "  columns CLASS ID             one line per list view column: width, tab, text\n"
    "  cell-colour CLASS ID ROW COL colour of a visible list view cell on screen: RRGGBB\n"
    "  select CLASS ID ROW          select one list view row\n"
    "  click-cell CLASS ID ROW COL  click a list view cell\n"
    "  dblclick-cell CLASS ID ROW COL  double-click a list view cell\n"
    "  rclick-cell CLASS ID ROW COL  right-click a list view cell\n"
    "  popup-close                  close the open popup menu\n"
    "  combo CLASS ID               combo box entries, one per line\n"
    "  combo-sel CLASS ID           selected combo box index (-1: none)\n"
    "  combo-set CLASS ID INDEX     select a combo box entry (no notification)\n"
    "  set-text CLASS ID TEXT       set a control's text\n"
    "  click CLASS ID               click a button\n"
    "  command CLASS ID             send the window command ID\n"
    "  notify CLASS ID CODE         send the notification CODE of control ID to its parent\n"
    "  syscommand CLASS ID          send the system menu command ID\n"
    "  close CLASS                  ask the window to close\n"
    "  dialog SECONDS               wait for a message box; print caption and texts\n"
    "  dialog-click ID              press a button of the message box (1 OK, 2 Cancel,\n"
    "                               3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No)\n";

constexpr char kDialogClass[] = "#32770";

using Args = std::vector<std::string>;

int Fail(const std::string& message) {
    std::fprintf(stderr, "uiprobe: %s\n", message.c_str());
    return 1;
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int Number(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
}

// Every command that names a window resolves it the same way; null means failed.
HWND Top(const std::string& className) {
    HWND hwnd = FindTop(className);
    if (!hwnd) Fail("no window of class " + className);
    return hwnd;
}

HWND Child(const std::string& className, const std::string& id) {
    HWND top = Top(className);
    if (!top) return nullptr;
    HWND child = FindChild(top, Number(id));
    if (!child) Fail("no control " + id + " in " + className);
    return child;
}

std::string RectText(const RECT& r) {
    char text[80];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
    return text;
}

int PrintFlag(bool flag) {
    Print(flag ? "1" : "0");
    return 0;
}

int Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return PostMessageA(hwnd, msg, wp, lp) ? 0 : Fail("message not delivered");
}

HWND Dialog() {
    HWND dialog = FindTop(kDialogClass);
    if (!dialog) Fail("no message box");
    return dialog;
}

BOOL CALLBACK PrintStatic(HWND hwnd, LPARAM) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    const std::string text = WindowText(hwnd);
    if (lstrcmpiA(name, "Static") == 0 && !text.empty()) Print(text);
    return TRUE;
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

struct Command {
    size_t minArgs, maxArgs;
    std::function<int(const Args&)> run;
};

int ListRows(const Args& a) {
    HWND list = Child(a[0], a[1]);
    if (!list) return 1;
    const int rows = ListRowCount(list), columns = ListColumnCount(list);
    if (rows < 0 || columns < 0) return Fail("not a list view");
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            std::string cell;
            if (!ListCell(list, r, c, &cell)) return Fail("cell not readable");
            line += (c ? "\t" : "") + cell;
        }
        Print(line);
    }
    return 0;
}

int ListColumns(const Args& a) {
    HWND list = Child(a[0], a[1]);
    if (!list) return 1;
    const int columns = ListColumnCount(list);
    if (columns < 0) return Fail("not a list view");
    for (int c = 0; c < columns; ++c) {
        int width = 0;
        std::string text;
        if (!ListColumn(list, c, &width, &text)) return Fail("column not readable");
        Print(std::to_string(width) + "\t" + text);
    }
    return 0;
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
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
              HWND w = a.size() == 2 ? Child(a[0], a[1]) : Top(a[0]);
              return w ? PrintFlag(IsWindowEnabled(w)) : 1;
          }}},
        {"visible",
         {1, 2,
          [](const Args& a) {
              HWND w = a.size() == 2 ? Child(a[0], a[1]) : Top(a[0]);
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
              HWND w = a.size() == 2 ? Child(a[0], a[1]) : Top(a[0]);
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
        {"cut-texts",
         {2, 2,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              std::string first;
              const int cut = list ? CutTexts(list, &first) : -1;
              if (cut < 0) return 1;
              Print(std::to_string(cut) + (cut ? " " + first : ""));
              return 0;
          }}},
        {"count",
         {2, 2,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              const int rows = list ? ListRowCount(list) : -1;
              if (rows < 0) return 1;
              Print(std::to_string(rows));
              return 0;
          }}},
        {"rows", {2, 2, ListRows}},
        {"cell",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              std::string text;
              if (!list || !ListCell(list, Number(a[2]), Number(a[3]), &text)) return 1;
              Print(text);
              return 0;
          }}},
        {"columns", {2, 2, ListColumns}},
        {"cell-colour",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              COLORREF colour = 0;
              if (!list || !ListCellColour(list, Number(a[2]), Number(a[3]), &colour))
                  return Fail("cell not in view");
              char text[8];
              std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                            GetBValue(colour));
              Print(text);
              return 0;
          }}},
        {"click-cell",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              if (!list || !ClickListCell(list, Number(a[2]), Number(a[3]), Click::Left))
                  return Fail("cell not clicked");
              return 0;
          }}},
        {"dblclick-cell",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              if (!list || !ClickListCell(list, Number(a[2]), Number(a[3]), Click::Double))
                  return Fail("cell not clicked");
              return 0;
          }}},
        {"rclick-cell",
         {4, 4,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              if (!list || !ClickListCell(list, Number(a[2]), Number(a[3]), Click::Right))
                  return Fail("cell not clicked");
              return 0;
          }}},
        {"popup-close",
         {0, 0, [](const Args&) { return ClosePopupMenu() ? 0 : Fail("no popup menu"); }}},
        {"select",
         {3, 3,
          [](const Args& a) {
              HWND list = Child(a[0], a[1]);
              return list && SelectListRow(list, Number(a[2])) ? 0 : 1;
          }}},
        {"combo",
         {2, 2,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              std::vector<std::string> entries;
              if (!combo || !ComboEntries(combo, &entries)) return 1;
              for (const std::string& e : entries) Print(e);
              return 0;
          }}},
        {"combo-sel",
         {2, 2,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              LRESULT index = 0;
              if (!combo || !Send(combo, CB_GETCURSEL, 0, 0, &index)) return 1;
              Print(std::to_string(index));
              return 0;
          }}},
        {"combo-set",
         {3, 3,
          [](const Args& a) {
              HWND combo = Child(a[0], a[1]);
              LRESULT index = 0;
              if (!combo || !Send(combo, CB_SETCURSEL, Number(a[2]), 0, &index)) return 1;
              return index == Number(a[2]) ? 0 : Fail("no such entry");
          }}},
        {"set-text",
         {3, 3,
          [](const Args& a) {
              HWND c = Child(a[0], a[1]);
              return c && Send(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()), nullptr)
                         ? 0
                         : 1;
          }}},
        {"click",
         {2, 2,
          [](const Args& a) {
              HWND c = Child(a[0], a[1]);
              return c ? Post(c, BM_CLICK, 0, 0) : 1;
          }}},
        {"command",
         {2, 2,
          [](const Args& a) {
              HWND w = Top(a[0]);
              return w ? Post(w, WM_COMMAND, MAKEWPARAM(Number(a[1]), 0), 0) : 1;
          }}},
        {"notify",
         {3, 3,
          [](const Args& a) {
              HWND c = Child(a[0], a[1]);
              if (!c) return 1;
              return Post(GetParent(c), WM_COMMAND, MAKEWPARAM(Number(a[1]), Number(a[2])),
                          reinterpret_cast<LPARAM>(c));
          }}},
        {"syscommand",
         {2, 2,
          [](const Args& a) {
              HWND w = Top(a[0]);
              return w ? Post(w, WM_SYSCOMMAND, Number(a[1]), 0) : 1;
          }}},
        {"close",
         {1, 1,
          [](const Args& a) {
              HWND w = Top(a[0]);
              return w ? Post(w, WM_CLOSE, 0, 0) : 1;
          }}},
        {"dialog",
         {1, 1,
          [](const Args& a) {
              HWND d = WaitForWindow(kDialogClass, std::atof(a[0].c_str()));
              if (!d) return Fail("no message box");
              Print(WindowText(d));
              EnumChildWindows(d, PrintStatic, 0);
              return 0;
          }}},
        {"dialog-click",
         {1, 1,
          [](const Args& a) {
              HWND d = Dialog();
              HWND button = d ? GetDlgItem(d, Number(a[0])) : nullptr;
              if (!button) return d ? Fail("no button " + a[0]) : 1;
              return Post(d, WM_COMMAND, MAKEWPARAM(Number(a[0]), BN_CLICKED),
                          reinterpret_cast<LPARAM>(button));
          }}},
    };
    return commands;
}

}  // namespace

int Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    const auto it = Commands().find(args[0]);
    const Args rest(args.begin() + 1, args.end());
    if (it == Commands().end() || rest.size() < it->second.minArgs ||
        rest.size() > it->second.maxArgs) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    return it->second.run(rest);
}

}  // namespace uiprobe
