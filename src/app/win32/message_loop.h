#pragma once
// The program's message loop.
#include <windows.h>

namespace varnolux {

// Runs until WM_QUIT; returns its exit code. A message is first offered to the
// program's keyboard shortcuts (`accelerators`, commands of `main`), then to
// the dialog navigation of the form that holds the keyboard focus.
int RunMessageLoop(HWND main, HACCEL accelerators);

}  // namespace varnolux
