#pragma once
// The windows' places, sizes and column widths are given for a screen of 96
// dots per inch (100 %). On a screen set to more, the fonts grow with the
// setting, so every size grows by the same factor and no text is cut off.
// Column widths are kept in the settings file at 100 %, so a file moved
// between screens keeps its proportions.
#include <windows.h>

namespace varnolux {

// Dots per inch of the screen (96 at 100 %).
int ScreenDpi();
// A size given at 100 % as the screen needs it, and back.
int ToScreen(int logical);
int FromScreen(int device);

// Grows a form created at its 100 % size: its client area, and the place and
// size of each of its own controls, by the screen's factor. Nothing at 100 %.
void ScaleCreatedForm(HWND form);

}  // namespace varnolux
