#pragma once
// The Plot window's cursor and its export of the dumps.
#include <optional>
#include <string>

#include "views/plot/plot_axis.h"
#include "views/plot/plot_store.h"

namespace varnolux {

// The held dump nearest to `x` on the axis (the earlier one on a tie); none
// while nothing is held.
std::optional<size_t> NearestDump(const PlotStore& store, PlotXAxis axis, double x);

// The held dump taken at `seconds` on the link's clock (a stop rule's firing);
// none when it is not held (not taken yet, or dropped beyond the depth).
std::optional<size_t> DumpAtTime(const PlotStore& store, double seconds);

// The cursor's line: the dump's DumpID, running number and time, then every
// watched trace's value there in its variable's radix ("-" where it was not
// watched).
std::string CursorText(const PlotStore& store, size_t dump);

// The watched traces over the dumps inside the range as CSV: a header line
// "DumpID,Seconds," and the labels, then one line per dump with the DumpID,
// the seconds since the first dump and each value as a plain number (signed
// types signed, floats as floats, empty where not watched). CR LF line ends.
std::string PlotCsv(const PlotStore& store, PlotXAxis axis, const PlotRange& range);

}  // namespace varnolux
