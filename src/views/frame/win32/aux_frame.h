#pragma once
// Frame helpers the auxiliary windows share: the TopMost item of the system
// menu, the desktop work area and the window's rectangles.
#include <windows.h>

#include <cstdint>
#include <string>
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
bool IsTopmost(HWND window);
void SetTopmost(HWND window, bool topmost);

// A separator and the TopMost item after the setting, and the window put on
// top or among the others to match.
void AddTopMostItem(HWND window, int id, int32_t alwaysOnTop);
// WM_SYSCOMMAND: when the command is the item `id`, toggles the window's
// topmost state, the item's text and the setting; false for other commands.
bool OnTopMostItem(HWND window, WPARAM command, int id, int32_t& alwaysOnTop);

}  // namespace varnolux
