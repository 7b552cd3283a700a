#pragma once
// Fits the main window's status bar parts to the texts part 0 and the last
// part show now, in the bar's font and at the screen's scale; the parts are set only when they
// change. Safe from the link thread: every call is a synchronous message.
#include <windows.h>

namespace varnolux {

void FitStatusParts(HWND statusBar);

}  // namespace varnolux
