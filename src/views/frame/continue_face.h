#pragma once
// The face of the owner-drawn Continue button, the main window's and the Watch
// window's alike: both follow the same run state.
#include "state/run_state.h"

namespace varnolux {

enum class ContinueFace {
    Pressed,        // button face, sunken, "Continue" in black
    FrameOnly,      // before the first dump
    WaitingYellow,  // yellow, black "Continue"
    WaitingBlue,    // blue, white "Continue"
    Running,        // button face, raised, grey "Running"
    ReplayStep,     // a replay: button face, raised, "Continue" in black (steps on)
    ReplayEnd       // a replay at its last dump: button face, raised, grey "Continue"
};
// The face to draw now; keeps RunningDrawn.
ContinueFace ContinueButtonFace(RunState& run, bool pressed);

}  // namespace varnolux
