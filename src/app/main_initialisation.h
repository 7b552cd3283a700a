#pragma once
// The main initialisation that start-up runs on the hidden main window.
#include <cstdint>
#include <functional>
#include <string>

#include "layout/window_placement.h"
#include "seams/seams.h"
#include "state/session.h"

namespace varnolux {

// What start-up sets on the main window beyond the MainWindowView texts.
class MainWindowShell {
  public:
    virtual ~MainWindowShell() = default;
    virtual Rect WorkArea() const = 0;
    // Places the window's normal rectangle, keeping it hidden.
    virtual void PlaceHidden(const Rect& normal) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void SetListFont(const std::string& face, int32_t points) = 0;
    // Appends a separator and the TopMost item (command 150) to the system menu.
    virtual void AddTopMostItem(const std::string& text) = 0;
    // Dots per inch of the screen: a first run's window grows with it.
    virtual int32_t Dpi() const { return kBaseDpi; }
};

// The controls that stay disabled until a project is loaded.
constexpr int kProjectControls[] = {101, 104, 105, 106, 120, 113, 119};

// Everything that runs after the window is prepared: the project's load
// sequence. Returns false when start-up is to end.
using LoadSequence = std::function<bool(Session&, Seams&)>;

// The run-control and window state values at their initial values.
void ResetMainWindowState(RunState& run);

// Resets the state, disables the project controls, computes the settings path
// beside the program, reads the settings and places the window, sets the list
// font, the TopMost item and the title, clears status parts 0, 2 and 3, then
// runs the load sequence. Returns false when start-up is to end.
bool RunMainInitialisation(Session& session, Seams& seams, MainWindowShell& shell,
                           const LoadSequence& load);

}  // namespace varnolux
