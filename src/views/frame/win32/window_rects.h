#pragma once
// The rectangles of the program's windows on the screen, and their topmost
// state, as the frame of every window reads and sets them.
#include <windows.h>

#include <vector>

#include "layout/window_placement.h"

namespace varnolux {

Rect DesktopWorkArea();
// The window's rectangle on the screen; empty for no window.
Rect WindowRectOf(HWND window);
// The rectangles of the program's shown windows (those of the calling thread
// that are visible and not minimised), `except` left out.
std::vector<Rect> ProgramWindowRects(HWND except);
// The window's normal (restored) rectangle; false when it cannot be read.
bool NormalRect(HWND window, Rect* rect);
// Gives the window `normal` as its normal rectangle and shows it by
// `showCommand` (SW_SHOW, SW_HIDE, ...).
void PlaceAtNormalRect(HWND window, const Rect& normal, int showCommand);
// Moves and sizes the window to `r`, keeping its place among the others.
void MoveTo(HWND window, const Rect& r);

bool IsTopmost(HWND window);
void SetTopmost(HWND window, bool topmost);

}  // namespace varnolux
