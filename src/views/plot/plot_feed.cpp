#include "views/plot/plot_feed.h"

#include <algorithm>

#include "views/plot/plot_record.h"

namespace varnolux {

PlotFeed::PlotFeed(size_t depth) : depth_(std::max<size_t>(depth, 1)), store_(depth) {}

void PlotFeed::KeepDump(const Session& session, int64_t timeUs) {
    Waiting dump{session.image.DumpId, static_cast<double>(timeUs) / 1e6,
                 WatchedSamples(session.records)};
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.push_back(std::move(dump));
    if (waiting_.size() > depth_) {
        waiting_.pop_front();
        ++dropped_;
    }
}

void PlotFeed::SetDepth(size_t depth) {
    std::lock_guard<std::mutex> lock(mutex_);
    depth_ = std::max<size_t>(depth, 1);
    while (waiting_.size() > depth_) {
        waiting_.pop_front();
        ++dropped_;
    }
    store_.SetDepth(depth_);
}

void PlotFeed::TakeWaiting() {
    std::deque<Waiting> taken;
    size_t dropped = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        taken.swap(waiting_);
        std::swap(dropped, dropped_);
    }
    store_.Skip(dropped);
    for (const Waiting& dump : taken) store_.Append(dump.dumpId, dump.seconds, dump.samples);
}

void PlotFeed::NoteWatchChange(Session& session) {
    std::vector<PlotSample> samples;
    {
        std::lock_guard<std::mutex> lock(session.recordsLock);
        samples = WatchedSamples(session.records);
    }
    TakeWaiting();
    store_.NoteWatched(samples);
}

void PlotFeed::Clear() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_.clear();
        dropped_ = 0;
    }
    store_.Clear();
}

}  // namespace varnolux
