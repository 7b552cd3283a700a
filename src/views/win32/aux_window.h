#pragma once
// One auxiliary window as Win32Views drives it. Each window keeps its handle
// while it is open; Handle() may be read from the link thread (the Watch
// window's DumpID label), so an implementation keeps it in an atomic.
#include <windows.h>

namespace varnolux {

class AuxWindow {
  public:
    virtual ~AuxWindow() = default;
    // The open window; nullptr while it is closed.
    virtual HWND Handle() const = 0;
    // Creates the window owned by `owner` and runs its initialisation.
    virtual void Create(HWND owner) = 0;
    // Fills it from a snapshot of the state, taken under the records lock and
    // written to the controls after the lock is released.
    virtual void Fill() = 0;
    // A replay went back to the start of its recording. The windows that show
    // only the current records' values and histories have nothing to forget.
    virtual void ReplayRestarted() {}
};

}  // namespace varnolux
