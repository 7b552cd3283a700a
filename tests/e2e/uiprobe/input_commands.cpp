// Commands that set texts, click, send commands, close windows and answer
// message boxes.
#include <windows.h>

#include <cstdlib>

#include "commands.h"
#include "probe.h"

namespace uiprobe {

namespace {

constexpr char kDialogClass[] = "#32770";

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

}  // namespace

CommandTable InputCommands() {
    return {
        {"set-text", OnWindow(3, 3, Target::Child,
                              [](HWND c, const Args& a) {
                                  const LPARAM text = reinterpret_cast<LPARAM>(a[2].c_str());
                                  return Send(c, WM_SETTEXT, 0, text, nullptr) ? 0 : 1;
                              })},
        {"click", OnWindow(2, 2, Target::Child,
                           [](HWND c, const Args&) { return Post(c, BM_CLICK, 0, 0); })},
        {"command", OnWindow(2, 2, Target::Top,
                             [](HWND w, const Args& a) {
                                 return Post(w, WM_COMMAND, MAKEWPARAM(Number(a[1]), 0), 0);
                             })},
        {"notify", OnWindow(3, 3, Target::Child,
                            [](HWND c, const Args& a) {
                                return Post(GetParent(c), WM_COMMAND,
                                            MAKEWPARAM(Number(a[1]), Number(a[2])),
                                            reinterpret_cast<LPARAM>(c));
                            })},
        {"syscommand",
         OnWindow(2, 2, Target::Top,
                  [](HWND w, const Args& a) { return Post(w, WM_SYSCOMMAND, Number(a[1]), 0); })},
        {"close",
         OnWindow(1, 1, Target::Top, [](HWND w, const Args&) { return Post(w, WM_CLOSE, 0, 0); })},
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
}

}  // namespace uiprobe
