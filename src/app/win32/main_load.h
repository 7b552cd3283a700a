#pragma once
// Varnolux.exe's side of the load sequence: the steps the main window, its
// list and the serial link contribute, and the link thread they start.
#include <windows.h>

#include <string>

#include "app/win32/main_window.h"
#include "link/link_startup.h"
#include "link/win32/win32_serial_port.h"
#include "project/load_sequence.h"
#include "state/session.h"
#include "ui/seams.h"

namespace varnolux {

class MainLoad {
  public:
    MainLoad(Session& session, Seams& seams, MainWindow& main);

    // The load of the main initialisation; false when the program is to end.
    bool AtStartup();
    // The user confirmed an entry of the project chooser.
    void ProjectChosen(const std::string& entryText);
    // Asks a blocked link thread to wake up; true while it still runs.
    bool LinkRunning();

  private:
    LoadHooks Hooks();

    Session& session_;
    Seams& seams_;
    MainWindow& main_;
    Win32SerialPort port_;
    LinkStartup startup_;
};

}  // namespace varnolux
