#pragma once
// Varnolux.exe's stop rules around the main window: the rules read from the
// settings file and armed when a project is loaded, the firings taken at each
// tick of the refresh timer (the status bar, the title's mark, the log lines
// in the Stop rules window), and the rules written at exit.
#include <string>

#include "seams/seams.h"
#include "state/session.h"
#include "views/plot/win32/plot_window.h"
#include "views/rules/rule_desk.h"
#include "views/rules/win32/rules_window.h"

namespace varnolux {

class MainRules {
  public:
    // `plot` marks the dump a rule holds at.
    MainRules(Session& session, Seams& seams, RuleDesk& desk, RulesWindow& window, PlotWindow& plot)
        : session_(session), seams_(seams), desk_(desk), window_(window), plot_(plot) {}

    // A project is loaded, before its link starts: the rules of the settings
    // file (read at the first load) are armed against it, or the status bar
    // says why nothing is armed.
    void ArmForProject();
    // The refresh timer's tick.
    void OnTick();
    // The close sequence: the rules written when SaveOnExit is set.
    void OnClose();

  private:
    Session& session_;
    Seams& seams_;
    RuleDesk& desk_;
    RulesWindow& window_;
    PlotWindow& plot_;
    bool read_ = false;
    int32_t packets_ = -1;  // the packet count the window's hits were shown at
};

}  // namespace varnolux
