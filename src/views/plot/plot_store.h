#pragma once
// The Plot window's data: for every dump the plot has seen, its DumpID and time,
// and per variable the value it had then. Held up to a depth of dumps, the
// oldest dropped first. A variable that becomes watched starts its trace at
// that dump (empty before); one no longer watched keeps its values (empty from
// then on) until DropUnwatched.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux {

constexpr int32_t kDefaultPlotDepth = 100000;

// A watched variable at one dump, as the records hold it.
struct PlotSample {
    std::string label;
    int32_t varType = 0;
    int32_t radix = 1;
    uint32_t raw = 0;
};

struct PlotTrace {
    std::string label;
    int32_t varType = 0;
    int32_t radix = 1;     // the variable's radix when last watched
    bool watched = false;  // watched at the last dump or watch change
    // One per held dump, oldest first: the number (NaN where not watched) and the raw value.
    std::vector<double> values;
    std::vector<uint32_t> raws;
};

class PlotStore {
  public:
    explicit PlotStore(size_t depth = kDefaultPlotDepth) : depth_(depth < 1 ? 1 : depth) {}

    // One dump. `seconds` is a monotonic time; the store keeps it relative to the
    // first dump after construction or Clear. Samples of labels seen before
    // continue their traces; new labels start new ones.
    void Append(int32_t dumpId, double seconds, const std::vector<PlotSample>& samples);
    // Dumps that came but were dropped before the store took them: the
    // running numbers go on past them.
    void Skip(size_t dumps) { count_ += static_cast<double>(dumps); }
    // The watched set or a radix changed between dumps: marks the traces.
    void NoteWatched(const std::vector<PlotSample>& samples);
    // Forgets every dump and trace (a replay that starts again from its first dump).
    void Clear();
    // Forgets the traces of variables that are no longer watched.
    void DropUnwatched();
    // Changes the depth; drops the oldest dumps beyond it at once.
    void SetDepth(size_t depth);
    size_t Depth() const { return depth_; }

    size_t Size() const { return ids_.size() - begin_; }
    bool Empty() const { return Size() == 0; }
    // Dump i (0 = oldest held): its running number (1 = first dump after Clear),
    // its DumpID and its seconds since the first dump.
    double Number(size_t i) const { return numbers_[begin_ + i]; }
    int32_t DumpId(size_t i) const { return ids_[begin_ + i]; }
    double Seconds(size_t i) const { return seconds_[begin_ + i] - origin_; }
    // The held dumps' running numbers and their monotonic times as appended
    // (Seconds(i) is Times()[i] - Origin()), oldest first.
    const double* Numbers() const { return numbers_.data() + begin_; }
    const double* Times() const { return seconds_.data() + begin_; }
    double Origin() const { return origin_; }
    // Index of the first held dump in the per-trace vectors.
    size_t Begin() const { return begin_; }
    const std::vector<PlotTrace>& Traces() const { return traces_; }

  private:
    PlotTrace* Find(const std::string& label);
    void DropOldest();

    size_t depth_;
    size_t begin_ = 0;  // dumps before it are dropped but not yet erased
    double count_ = 0;  // dumps appended since Clear
    double origin_ = 0;
    std::vector<int32_t> ids_;
    std::vector<double> numbers_;
    std::vector<double> seconds_;
    std::vector<PlotTrace> traces_;
};

}  // namespace varnolux
