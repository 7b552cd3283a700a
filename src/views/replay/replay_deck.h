#pragma once
// What the replay bar and the run control do with a replay: go to a dump,
// step on (Next, and Continue in the main and Watch windows alike), and play
// at a chosen speed, pausing at the last dump and at a dump a hold rule fired
// at. A step lets views frozen by a hold follow the dumps again, as Continue
// does live. The run state says that a replay runs and whether it stands at
// its last dump, which the Continue buttons show.
#include "link/replay/stepper.h"
#include "state/run_state.h"
#include "views/replay/replay_bar_model.h"
#include "views/replay/replay_rule_gate.h"

namespace varnolux {

class ReplayDeck {
  public:
    // `gate`: the rules' gate the stepper's dumps pass, if any.
    ReplayDeck(ReplayStepper& stepper, const ReplayRuleGate* gate, RunState& run);

    int Current() const { return stepper_.Current(); }
    int Count() const { return stepper_.Count(); }
    int AnswerDifferences() const { return stepper_.AnswerDifferences(); }

    // Shows dump `n`; false when it is not one of the recording's.
    bool Go(int n);
    // The next dump; false at the last.
    bool Step() { return Go(Current() + 1); }

    ReplaySpeed Speed() const { return speed_; }
    void SetSpeed(ReplaySpeed speed) { speed_ = speed; }
    bool Playing() const { return playing_; }
    // Plays from the dump shown; false (not playing) at the last dump.
    bool Play();
    void Pause() { playing_ = false; }
    // The wait before Play's next step, at the speed chosen.
    int NextDelayMs() const;
    // One step of Play; it pauses at the last dump and where a hold fired.
    void PlayStep();

    // The replay is closed: Play stops and Continue has nothing to step to.
    void Close();

  private:
    ReplayStepper& stepper_;
    const ReplayRuleGate* gate_;
    RunState& run_;
    ReplaySpeed speed_ = ReplaySpeed::Times1;
    bool playing_ = false;
};

}  // namespace varnolux
