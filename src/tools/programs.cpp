#include "tools/programs.h"

#include "tools/activate.h"
#include "tools/calculator_layout.h"
#include "tools/command_line.h"

namespace varnolux {

void ShowBitCalc(Session& session, Seams& seams) {
    const std::string& path = session.settings.BitCalc;
    if (!ProgramPresent(seams, path, "BitCalc")) return;
    ActivateOrLaunch(seams.launcher, "WindowsForms10.Window.8.app.0.378734a", "BitCalc v1.02", path,
                     QuotedArgument(path));
}

void ShowLogic(Session& session, Seams& seams) {
    const std::string& path = session.settings.Logic;
    if (!ProgramPresent(seams, path, "Logic")) return;
    ActivateOrLaunch(seams.launcher, "Qt5QWindowIcon", "Saleae Logic Software", path,
                     QuotedArgument(path));
}

std::string UserToolCommandLine(const std::string& path, const std::string& parameters) {
    return QuotedArgument(path) + " " + parameters;
}

void ShowUserTool1(Session& session, Seams& seams) {
    const Settings& s = session.settings;
    if (!ProgramPresent(seams, s.UserTool1Path, "UserTool1")) return;
    ActivateOrLaunch(seams.launcher, "Notepad", "Varnolux.ini - Notepad", s.UserTool1Path,
                     UserToolCommandLine(s.UserTool1Path, s.UserTool1Par));
}

void ShowUserTool2(Session& session, Seams& seams) {
    const Settings& s = session.settings;
    if (!ProgramPresent(seams, s.UserTool2Path, "UserTool2")) return;
    SetCalculatorLayout(seams.launcher, 2);
    ActivateOrLaunch(seams.launcher, "CalcFrame", "Calculator", s.UserTool2Path,
                     UserToolCommandLine(s.UserTool2Path, s.UserTool2Par));
    // The calculator reads the value while it starts; give it a second before
    // putting the value back.
    seams.launcher.RepaintMainWindow();
    seams.launcher.Pause(1000);
    SetCalculatorLayout(seams.launcher, 1);
}

}  // namespace varnolux
