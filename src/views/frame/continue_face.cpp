#include "views/frame/continue_face.h"

namespace varnolux {

ContinueFace ContinueButtonFace(RunState& run, bool pressed) {
    if (pressed) return ContinueFace::Pressed;
    // A replay has no target that waits: Continue steps to the next dump.
    if (run.Replaying.load() != 0)
        return run.ReplayAtEnd.load() != 0 ? ContinueFace::ReplayEnd : ContinueFace::ReplayStep;
    if (run.NoDumpYet.load() != 0) return ContinueFace::FrameOnly;
    if (run.AutoContinue.load() == 0 && run.TargetWaiting.load() == 1) {
        run.RunningDrawn = 0;
        return run.BlinkPhase.load() != 0 ? ContinueFace::WaitingYellow : ContinueFace::WaitingBlue;
    }
    // The "Running" face is drawn at every paint, so a button uncovered again
    // does not lose it.
    run.RunningDrawn = 1;
    return ContinueFace::Running;
}

}  // namespace varnolux
