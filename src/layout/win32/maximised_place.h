#pragma once
// A maximised window's place made explicit, for WM_GETMINMAXINFO: its frame
// just outside the primary monitor's work area, so its title bar stays on
// screen. The system's default put some windows' title bars above the screen
// (Wine: a popup window with a caption at -4, -23), where neither the caption
// buttons nor the system menu can be reached.
#include <windows.h>

namespace varnolux {

// Sets the maximised position and size of a window with a caption and a
// maximise box; leaves other windows' values as they are.
void KeepCaptionOnScreen(HWND window, MINMAXINFO& info);

}  // namespace varnolux
