#pragma once
// Stepping through the dumps of a recording, as the replay bar does: the
// chosen dump is shown as the session showed it live (values, previous values,
// history, status texts, labels). A step forward turns the engine on to the
// next dump; a step back puts the session back as it was before the first dump
// and turns the engine again from the start, after telling the views that the
// replay restarts. Every dump the engine turns, the chosen one and those passed
// on the way to it, is handed to the keeper.
#include <cstdint>
#include <memory>
#include <vector>

#include "link/replay/run.h"

namespace varnolux {

class ReplayStepper {
  public:
    // The prompts of the first pass are shown; a restart takes their answers
    // again without asking.
    ReplayStepper(Session& session, Seams& seams, const RecordingContents& contents,
                  DumpKeeper* keeper = nullptr);
    ~ReplayStepper();

    // Opens the link from the recording, counts its dumps and stands before
    // the first. False when a prompt closed the main window.
    bool Open();
    int Count() const { return count_; }
    int Current() const { return current_; }  // 0: before the first dump
    // Shows dump `n`, 1 to Count(); false for a number outside.
    bool Go(int n);
    bool First() { return Go(1); }
    bool Previous() { return Go(current_ - 1); }
    bool Next() { return Go(current_ + 1); }
    bool Last() { return Go(count_); }
    // Restarts from the beginning so far (a measure for the replay bar's tests).
    int Restarts() const { return restarts_; }
    // The recorded time of dump `n` (1 to Count()), on the link's clock; 0 outside.
    int64_t DumpTimeUs(int n) const;
    // Answers of the whole recording the engine wrote otherwise than the live link.
    int AnswerDifferences() const { return differences_; }

  private:
    struct StartState;
    class RememberedPrompts;
    void Restart();

    Session& session_;
    Seams& seams_;
    std::unique_ptr<RememberedPrompts> prompts_;
    Seams runSeams_;
    const RecordingContents& contents_;
    DumpKeeper* keeper_;
    std::unique_ptr<StartState> start_;
    std::unique_ptr<ReplayRun> run_;
    std::vector<int64_t> times_;  // of each dump, from the first pass
    int differences_ = 0;
    int count_ = 0;
    int current_ = 0;
    int restarts_ = 0;
};

}  // namespace varnolux
