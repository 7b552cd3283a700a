#include "views/plot/plot_store.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "vars/value_decode.h"

namespace varnolux {

namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

template <class T>
void EraseFront(std::vector<T>& v, size_t n) {
    v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size())));
}

}  // namespace

PlotTrace* PlotStore::Find(const std::string& label) {
    for (PlotTrace& t : traces_)
        if (t.label == label) return &t;
    return nullptr;
}

void PlotStore::Append(int32_t dumpId, double seconds, const std::vector<PlotSample>& samples) {
    if (ids_.size() == begin_) origin_ = seconds;
    const size_t slot = ids_.size();
    ids_.push_back(dumpId);
    numbers_.push_back(++count_);
    seconds_.push_back(seconds);
    for (PlotTrace& t : traces_) {
        t.watched = false;
        t.values.push_back(kMissing);
        t.raws.push_back(0);
    }
    for (const PlotSample& s : samples) {
        PlotTrace* t = Find(s.label);
        if (!t) {
            traces_.push_back(PlotTrace{s.label, s.varType, s.radix, false, {}, {}});
            t = &traces_.back();
            t->values.assign(slot + 1, kMissing);
            t->raws.assign(slot + 1, 0);
        }
        t->varType = s.varType;
        t->radix = s.radix;
        t->watched = true;
        t->values[slot] = NumericValue(s.varType, s.raw);
        t->raws[slot] = s.raw;
    }
    if (Size() > depth_) DropOldest();
}

void PlotStore::DropOldest() {
    begin_ += Size() - depth_;
    // Erase the dropped front once it is a quarter of the depth: each dump then
    // costs a constant share of one erase.
    if (begin_ < depth_ / 4 + 1) return;
    EraseFront(ids_, begin_);
    EraseFront(numbers_, begin_);
    EraseFront(seconds_, begin_);
    for (PlotTrace& t : traces_) {
        EraseFront(t.values, begin_);
        EraseFront(t.raws, begin_);
    }
    begin_ = 0;
}

void PlotStore::NoteWatched(const std::vector<PlotSample>& samples) {
    for (PlotTrace& t : traces_) t.watched = false;
    for (const PlotSample& s : samples) {
        if (PlotTrace* t = Find(s.label)) {
            t->watched = true;
            t->radix = s.radix;
        }
    }
}

void PlotStore::Clear() {
    begin_ = 0;
    count_ = 0;
    origin_ = 0;
    ids_.clear();
    numbers_.clear();
    seconds_.clear();
    traces_.clear();
}

void PlotStore::DropUnwatched() {
    traces_.erase(std::remove_if(traces_.begin(), traces_.end(),
                                 [](const PlotTrace& t) { return !t.watched; }),
                  traces_.end());
}

void PlotStore::SetDepth(size_t depth) {
    depth_ = depth < 1 ? 1 : depth;
    if (Size() > depth_) DropOldest();
}

}  // namespace varnolux
