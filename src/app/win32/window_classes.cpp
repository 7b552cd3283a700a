#include "app/win32/window_classes.h"

#include "app/win32/main_window.h"
#include "link/win32/modify_window.h"
#include "ui/main_ids.h"
#include "views/win32/about_window.h"
#include "views/win32/diagnostics_window.h"
#include "views/win32/watch_window.h"

namespace varnolux {

namespace {

struct FormClass {
    const char* name;
    WNDPROC procedure;
    bool hasIcon;
};

// In registration order. A form whose window is not built yet has the default
// procedure until its own is put here.
const FormClass kFormClasses[] = {
    {kMainClass, VARNOLUXMAIN_WNDPROC, true},    {"PortForm_Class", DefWindowProcA, true},
    {"SourceForm_Class", DefWindowProcA, true},  {kWatchClass, WATCHFORM_WNDPROC, true},
    {kAboutClass, ABOUT_WNDPROC, true},          {kModifyClass, MODIFYFORM_WNDPROC, false},
    {"EEPROM_Form_Class", DefWindowProcA, true}, {kDiagnosticsClass, UDTDIAG_WNDPROC, true},
    {"PinoutForm_Class", DefWindowProcA, true},  {"SFRForm_Class", DefWindowProcA, true},
};

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(ids::kIconMain));
    for (const FormClass& form : kFormClasses) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = form.procedure;
        wc.hInstance = instance;
        wc.hIcon = form.hasIcon ? icon : nullptr;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszMenuName = nullptr;
        wc.lpszClassName = form.name;
        if (!RegisterClassExA(&wc)) return false;
    }
    return true;
}

bool IsProgramForm(HWND window) {
    char name[64];
    if (!window || !GetClassNameA(window, name, sizeof name)) return false;
    for (const FormClass& form : kFormClasses)
        if (lstrcmpiA(name, form.name) == 0) return true;
    return false;
}

}  // namespace varnolux
