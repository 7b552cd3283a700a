#pragma once
// Drawing the owner-drawn Continue button (control 109, and the Watch window's).
#include <windows.h>

#include "state/run_state.h"

namespace varnolux {

struct ContinueBrushes {
    HBRUSH blue = nullptr;
    HBRUSH yellow = nullptr;
    HBRUSH buttonFace = nullptr;
};

// Framed always; pressed: "Continue" sunken on the button face; before the
// first dump nothing more; while the target waits a blinking yellow/blue
// "Continue"; otherwise a raised grey "Running".
void DrawContinueButton(const DRAWITEMSTRUCT& item, RunState& run, const ContinueBrushes& brushes);

}  // namespace varnolux
