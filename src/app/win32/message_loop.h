#pragma once
// The program's message loop.
namespace varnolux {

// Runs until WM_QUIT; returns its exit code. A message is first offered to the
// dialog navigation of the form that holds the keyboard focus.
int RunMessageLoop();

}  // namespace varnolux
