// The probe's command line: the usage, the shared helpers, and the one table
// the concerns' tables make together.
#include "commands.h"

#include <cstdio>
#include <cstdlib>

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
    "  status-shown CLASS PART      as much of it as the part is wide enough to show\n"
    "  status-fits CLASS PART       \"fits\", or the width the part's text needs\n"
    "  text CLASS ID                text of a child control\n"
    "  menu FILE ID                 the items of a program file's menu: id, tab, text\n"
    "  enabled CLASS [ID]           1 or 0\n"
    "  visible CLASS [ID]           1 or 0\n"
    "  checked CLASS ID             check state of a button: 0, 1 or 2\n"
    "  topmost CLASS                1 or 0\n"
    "  rect CLASS [ID]              screen rectangle: left top right bottom\n"
    "  client CLASS                 client area size: width height\n"
    "  caption CLASS                screen rectangle of the title bar: left top right bottom\n"
    "  workarea                     desktop work area: left top right bottom\n"
    "  move CLASS L T R B           move and size a top-level window\n"
    "  colours CLASS ID             how many colours a control shows on screen\n"
    "  cut-texts CLASS ID [COL]     list view texts wider than their column (or column COL),\n"
    "                               and the first\n"
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

const CommandTable& Commands() {
    static const CommandTable commands = [] {
        CommandTable all = WindowCommands();
        for (const CommandTable& more : {ListCommands(), InputCommands()})
            all.insert(more.begin(), more.end());
        return all;
    }();
    return commands;
}

}  // namespace

int Fail(const std::string& message) {
    std::fprintf(stderr, "uiprobe: %s\n", message.c_str());
    return 1;
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

int PrintFlag(bool flag) {
    Print(flag ? "1" : "0");
    return 0;
}

int Number(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
}

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

Command OnWindow(size_t minArgs, size_t maxArgs, Target target,
                 std::function<int(HWND window, const Args& args)> act) {
    return {minArgs, maxArgs, [target, act](const Args& a) {
                const bool child =
                    target == Target::Child || (target == Target::TopOrChild && a.size() == 2);
                HWND window = child ? Child(a[0], a[1]) : Top(a[0]);
                return window ? act(window, a) : 1;
            }};
}

Command Printing(size_t minArgs, size_t maxArgs, Target target,
                 std::function<Reading(HWND window, const Args& args)> read) {
    return OnWindow(minArgs, maxArgs, target, [read](HWND window, const Args& a) {
        const Reading text = read(window, a);
        if (!text) return 1;
        Print(*text);
        return 0;
    });
}

int Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return PostMessageA(hwnd, msg, wp, lp) ? 0 : Fail("message not delivered");
}

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
