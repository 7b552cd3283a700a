#include "views/replay/replay_deck.h"

namespace varnolux {

ReplayDeck::ReplayDeck(ReplayStepper& stepper, const ReplayRuleGate* gate, RunState& run)
    : stepper_(stepper), gate_(gate), run_(run) {
    run_.Replaying = 1;
    run_.ReplayAtEnd = stepper_.Count() == 0 ? 1 : 0;
}

bool ReplayDeck::Go(int n) {
    if (n < 1 || n > Count() || n == Current()) return false;
    // Moving on lets the views a hold froze go, as Continue does live.
    run_.ViewsFrozen = 0;
    const bool shown = stepper_.Go(n);
    // Only the dump shown stays frozen: not one passed on the way to it.
    if (!gate_ || !gate_->HeldAtLast()) run_.ViewsFrozen = 0;
    run_.ReplayAtEnd = Current() >= Count() ? 1 : 0;
    return shown;
}

bool ReplayDeck::Play() {
    playing_ = Current() < Count();
    return playing_;
}

int ReplayDeck::NextDelayMs() const {
    // Before the first dump there is no recorded time to wait from.
    if (Current() < 1) return 0;
    return PlayDelayMs(stepper_.DumpTimeUs(Current()), stepper_.DumpTimeUs(Current() + 1), speed_);
}

void ReplayDeck::PlayStep() {
    if (!playing_) return;
    if (!Step() || Current() >= Count() || (gate_ && gate_->HeldAtLast())) playing_ = false;
}

void ReplayDeck::Close() {
    playing_ = false;
    // Nothing is left to step to: Continue stays grey.
    run_.ReplayAtEnd = 1;
}

}  // namespace varnolux
