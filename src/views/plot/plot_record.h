#pragma once
// What the Plot window takes from the records at each dump.
#include <vector>

#include "state/session.h"
#include "views/plot/plot_store.h"

namespace varnolux {

// The watched variables in table order: simple variables and array elements
// each as themselves; a watched array as each of its elements.
std::vector<PlotSample> WatchedSamples(const VarTable& records);

}  // namespace varnolux
