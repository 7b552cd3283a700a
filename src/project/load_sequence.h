#pragma once
// The load sequence: finds the project in the program's folder (or takes the
// one named on the command line, or waits for the user's choice), then scans
// the listing, the watched items, the sources and the device description in
// that order. What belongs to the front end or to the link (COM port, main
// list, windows, the link thread) is called through LoadHooks.
#include <cstdint>
#include <functional>
#include <string>

#include "state/session.h"
#include "ui/seams.h"

namespace varnolux {

// Steps of the load that the front end provides. An empty hook is skipped.
struct LoadHooks {
    // Confirms the COM port; false when the user chose to end the program.
    std::function<bool()> ConfirmComPort;
    std::function<void()> ShowMainWindow;  // show and repaint
    std::function<void()> FocusProjectChooser;
    std::function<void()> EnableCommands;
    std::function<void()> FillMainList;
    std::function<void()> OpenLink;
    std::function<void()> StartLinkThread;
    std::function<void()> ApplyColumnWidths;
    std::function<void()> ShowWatchWindow;
    std::function<void(int32_t addressRadix, int32_t dataRadix)> SetAllRadix;
    std::function<void()> CreateRecordDiagnostics;
};

enum class LoadEnd {
    Loaded,            // project scanned; link opened
    WaitingForChoice,  // several projects: the user picks one in the chooser
    ProgramClosed,     // a fatal condition closed the main window
};

constexpr const char* kProgramTitle = "Varnolux   Ver 1.1";

// The start of the run: status texts, COM port, project discovery, and either
// the whole load or the wait for the user's choice.
LoadEnd LoadAtStartup(Session& session, Seams& seams, const LoadHooks& hooks);

// The user confirmed an entry of the project chooser (its text, " " + base).
LoadEnd LoadChosenProject(Session& session, Seams& seams, const LoadHooks& hooks,
                          const std::string& entryText);

// The scan proper: listing, watched items, sources, device description.
// Returns ProgramClosed when a fatal condition closed the main window.
LoadEnd RunProjectScan(Session& session, Seams& seams, const LoadHooks& hooks);

// The main window's title once the project is loaded.
std::string LoadedTitle(const Settings& settings, const std::string& programFolder,
                        const std::string& baseName);

// The trace file: the listing name up to its last "." + ".txt".
std::string TraceFileName(const std::string& listingName);

}  // namespace varnolux
