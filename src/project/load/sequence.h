#pragma once
// The load sequence: finds the project in the program's folder (or takes the
// one named on the command line, or waits for the user's choice), then scans
// the listing, the watched items, the sources and the device description in
// that order. What belongs to the front end or to the link (COM port, main
// list, main window, the link thread) is called through LoadSteps, the
// auxiliary windows through Views.
#include <cstdint>
#include <string>

#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// Steps of the load that the front end provides; a step a front end does not
// have does nothing.
class LoadSteps {
  public:
    virtual ~LoadSteps() = default;
    // Confirms the COM port; false when the user chose to end the program.
    virtual bool ConfirmComPort() { return true; }
    virtual void ShowMainWindow() {}  // show and repaint
    virtual void FocusProjectChooser() {}
    virtual void EnableCommands() {}
    virtual void FillMainList() {}
    virtual void OpenLink() {}
    virtual void StartLinkThread() {}
    virtual void ApplyColumnWidths() {}
    virtual void SetAllRadix(int32_t /*addressRadix*/, int32_t /*dataRadix*/) {}
    // The device the port number opens, as the status bar names it.
    virtual std::string PortName(int32_t portNumber) const {
        return "COM" + std::to_string(portNumber);
    }
};

enum class LoadEnd {
    Loaded,            // project scanned; link opened
    WaitingForChoice,  // several projects: the user picks one in the chooser
    ProgramClosed,     // a fatal condition closed the main window
};

// The start of the run: status texts, COM port, project discovery, and either
// the whole load or the wait for the user's choice.
LoadEnd LoadAtStartup(Session& session, Seams& seams, LoadSteps& steps);

// The user confirmed an entry of the project chooser (its text, " " + base).
LoadEnd LoadChosenProject(Session& session, Seams& seams, LoadSteps& steps,
                          const std::string& entryText);

// The scan proper: listing, watched items, sources, device description.
// Returns ProgramClosed when a fatal condition closed the main window.
LoadEnd RunProjectScan(Session& session, Seams& seams);

// The trace file: the listing name up to its last "." + ".txt".
std::string TraceFileName(const std::string& listingName);

}  // namespace varnolux
