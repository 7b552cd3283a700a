#pragma once
// The program's window classes, registered once at start-up.
#include <windows.h>

namespace varnolux {

constexpr const char* kMainClass = "VarnoluxMain_Class";

// Registers the ten window classes in their order; false when one fails.
bool RegisterWindowClasses(HINSTANCE instance);

// Whether a top-level window belongs to one of the program's forms.
bool IsProgramForm(HWND window);

}  // namespace varnolux
