#pragma once
// The main window's close sequence, as steps the window supplies.
#include "app/settings_io.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "seams/views.h"
#include "state/session.h"

namespace varnolux {

// Longest wait for the link thread: this many checks, one pause apart.
constexpr int kLinkStopChecks = 20;

class CloseSteps {
  public:
    virtual ~CloseSteps() = default;
    virtual bool LinkRunning() = 0;  // the link thread has not ended yet
    virtual void Pause() = 0;        // about 100 ms
    // What the main window knows for the settings file at this moment.
    virtual MainWindowSnapshot Snapshot() = 0;
    virtual void CloseTraceFile() = 0;
};

// Stops the link thread (waiting at most kLinkStopChecks pauses), notes whether
// the Watch window is open, saves the settings when SaveOnExit is set, closes
// the auxiliary windows and, with "UDTdisplay" 1, the packet trace file.
// A settings file that cannot be written is told once. Returns whether the
// settings were written.
bool RunCloseSequence(Session& session, HostOs& os, Prompts& prompts, Views& views,
                      CloseSteps& steps);

}  // namespace varnolux
