#pragma once
// The replay bar's decisions: which dump a button or the slider goes to, and
// the label that says where the replay stands.
#include <string>

namespace varnolux {

enum class ReplayButton { First, Previous, Next, Last };

// The dump `button` shows when dump `current` of `count` is shown (0: none
// yet); 0 when the button goes nowhere from there.
int DumpOfButton(ReplayButton button, int current, int count);

// The slider runs from 1 to `count`; a position outside goes to the nearest end.
int DumpOfSliderPosition(int position, int count);

// "Dump n of N"; before the first step "Dump 0 of N".
std::string ReplayLabel(int current, int count);

}  // namespace varnolux
