#pragma once
// What the Plot window takes from the records after each dump.
#include <vector>

#include "state/session.h"
#include "views/plot_store.h"

namespace varnolux {

// The watched variables in table order: simple variables and array elements
// each as themselves; a watched array as each of its elements.
std::vector<PlotSample> WatchedSamples(const VarTable& records);

// After a dump: the watched values and the DumpID, taken under the records
// lock, appended to the store with `seconds` (a monotonic time). Nothing is
// appended before the first dump.
void RecordDump(Session& session, PlotStore& store, double seconds);

// The watched set or a radix changed: the store learns which traces to show.
void NoteWatchChange(Session& session, PlotStore& store);

}  // namespace varnolux
