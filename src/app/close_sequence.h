#pragma once
// The main window's close sequence, as steps the window supplies.
#include <functional>

#include "app/settings_io.h"
#include "state/session.h"
#include "ui/host_os.h"

namespace varnolux {

// Longest wait for the link thread: this many checks, one pause apart.
constexpr int kLinkStopChecks = 20;

struct CloseSteps {
    std::function<bool()> linkRunning;  // the link thread has not ended yet
    std::function<void()> pause;        // about 100 ms
    std::function<bool()> watchWindowOpen;
    // What the main window knows for the settings file at this moment.
    std::function<MainWindowSnapshot()> snapshot;
    // WM_CLOSE to the Port, Watch, Source, EEPROM, Pinout and SFR windows, in that order.
    std::function<void()> closeAuxiliaryWindows;
    std::function<void()> closeTraceFile;
};

// Stops the link thread (waiting at most kLinkStopChecks pauses), notes whether
// the Watch window is open, saves the settings when SaveOnExit is set, closes
// the auxiliary windows and, with "UDTdisplay" 1, the packet trace file.
// Returns whether the settings were written.
bool RunCloseSequence(Session& session, HostOs& os, const CloseSteps& steps);

}  // namespace varnolux
