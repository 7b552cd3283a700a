#pragma once
// One auxiliary window as Win32Views drives it. Each window keeps its handle
// while it is open; Handle() may be read from the link thread (the Watch
// window's DumpID label), so an implementation keeps it in an atomic.
#include <windows.h>

namespace varnolux {

// WM_CLOSE's wParam when the close sequence closes the window (a window that
// remembers its open state opens again at the next start).
constexpr WPARAM kClosedByProgram = 1;

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
};

// A window whose record of the dumps is kept also while it is closed (the Plot
// window). Called on the UI thread without the records lock.
class DumpRecorder {
  public:
    virtual ~DumpRecorder() = default;
    // The watched set or a radix changed.
    virtual void NoteWatchChange() = 0;
    // Forget every recorded dump.
    virtual void ClearRecord() = 0;
};

}  // namespace varnolux
