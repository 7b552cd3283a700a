#include "app/win32/window_classes.h"

#include "app/win32/main_window.h"
#include "link/modify/win32/window.h"
#include "seams/main_ids.h"
#include "views/about/win32/about_window.h"
#include "views/diagnostics/win32/diagnostics_window.h"
#include "views/eeprom/eeprom_ids.h"
#include "views/eeprom/win32/eeprom_window.h"
#include "views/pinout/win32/pinout_window.h"
#include "views/plot/plot_ids.h"
#include "views/plot/win32/plot_window.h"
#include "views/port/port_ids.h"
#include "views/port/win32/port_window.h"
#include "views/replay/replay_bar_ids.h"
#include "views/replay/win32/replay_bar.h"
#include "views/rules/rules_ids.h"
#include "views/rules/win32/rules_window.h"
#include "views/sfr/sfr_ids.h"
#include "views/sfr/win32/sfr_window.h"
#include "views/source/source_ids.h"
#include "views/source/win32/source_window.h"
#include "views/watch/watch_ids.h"
#include "views/watch/win32/watch_window.h"

namespace varnolux {

namespace {

struct FormClass {
    const char* name;
    WNDPROC procedure;
    bool hasIcon;
};

// In registration order.
const FormClass kFormClasses[] = {
    {kMainClass, VARNOLUXMAIN_WNDPROC, true},
    {ids::kPortClass, PORTFORM_WNDPROC, true},
    {ids::kSourceFormClass, SOURCEFORM_WNDPROC, true},
    {ids::kWatchClass, WATCHFORM_WNDPROC, true},
    {kAboutClass, ABOUT_WNDPROC, true},
    {kModifyClass, MODIFYFORM_WNDPROC, false},
    {ids::kEepromFormClass, EEPROM_FORM_WNDPROC, true},
    {kDiagnosticsClass, UDTDIAG_WNDPROC, true},
    {ids::kPinoutClass, PINOUTFORM_WNDPROC, true},
    {ids::kSfrFormClass, SFRFORM_WNDPROC, true},
    {ids::kPlotFormClass, PLOTFORM_WNDPROC, true},
    {ids::kRulesFormClass, RULESFORM_WNDPROC, true},
    {ids::kReplayBarClass, REPLAYBAR_WNDPROC, false},
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
