#pragma once
// The Plot window's series of every dump, kept whether the window is open or
// not. The link engine (the live link thread, or a replay's engine) hands each
// dump in at the end of its transaction; the dumps wait in a queue until the
// user-interface thread moves them into the store, which it alone reads and
// draws from. The queue and the store each hold at most the depth of dumps.
#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

#include "link/line/link_context.h"
#include "views/plot/plot_store.h"

namespace varnolux {

class PlotFeed : public DumpKeeper {
  public:
    explicit PlotFeed(size_t depth = kDefaultPlotDepth);

    // Link thread, records lock held: the DumpID and the watched values of the
    // dump just taken, at `timeUs`. Beyond the depth the oldest waiting dump
    // is dropped.
    void KeepDump(const Session& session, int64_t timeUs) override;

    // The rest is for the user-interface thread.
    // The depth ("PlotDepth"): of the store and of the dumps waiting.
    void SetDepth(size_t depth);
    // Moves the dumps that came since into the store.
    void TakeWaiting();
    PlotStore& Store() { return store_; }
    // The watched set or a radix changed: the dumps before the change go into
    // the store first, then it learns which traces to show.
    void NoteWatchChange(Session& session);
    // Forgets every dump (a replay that starts again from its first dump).
    void Clear();

  private:
    struct Waiting {
        int32_t dumpId = -1;
        double seconds = 0;
        std::vector<PlotSample> samples;
    };

    std::mutex mutex_;  // guards the four fields below
    std::deque<Waiting> waiting_;
    size_t dropped_ = 0;  // dumps dropped from the queue since the store last took it
    size_t depth_;
    PlotStore store_;  // user-interface thread only
};

}  // namespace varnolux
