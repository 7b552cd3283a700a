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

// The serial port and the link thread's record, built before the steps that use them.
struct MainLinkParts {
    Win32SerialPort port;
    LinkStartup startup;
};

class MainLoad : private MainLinkParts, private LinkLoadSteps {
  public:
    MainLoad(Session& session, Seams& seams, MainWindow& main);

    // The load of the main initialisation; false when the program is to end.
    bool AtStartup();
    // The user confirmed an entry of the project chooser.
    void ProjectChosen(const std::string& entryText);
    // Asks a blocked link thread to wake up; true while it still runs.
    bool LinkRunning();

  private:
    // LoadSteps of the main window and its list.
    void ShowMainWindow() override;
    void FocusProjectChooser() override;
    void EnableCommands() override;
    void FillMainList() override { main_.ListAndRun().FillForNewProject(); }
    void ApplyColumnWidths() override { main_.ListAndRun().ApplyColumnWidths(); }
    void SetAllRadix(int32_t addressRadix, int32_t dataRadix) override {
        main_.ListAndRun().SetAllRadix(addressRadix, dataRadix);
    }

    MainWindow& main_;
};

}  // namespace varnolux
