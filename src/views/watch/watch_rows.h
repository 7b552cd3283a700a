#pragma once
// The Watch window's rows: every watched variable with its value and up to
// seven earlier values, each history column headed by the DumpID its values
// came from. The fill is taken under the records lock and written to the list
// after the lock is released.
#include <array>
#include <string>
#include <vector>

#include "seams/report_list.h"
#include "state/session.h"
#include "vars/main_list.h"

namespace varnolux {

// Columns of the Watch list: Label, Value, then eight history columns.
constexpr int kWatchColLabel = 0;
constexpr int kWatchColValue = 1;
constexpr int kWatchColFirstHistory = 2;
constexpr int kWatchHistoryColumns = 8;
constexpr int kWatchColumns = kWatchColFirstHistory + kWatchHistoryColumns;
constexpr int kWatchDepthMax = 7;

struct WatchRow {
    std::string label;
    std::string value;  // empty while the variable has no value from a dump
    std::array<std::string, kWatchHistoryColumns> history;
};

struct WatchFill {
    std::vector<WatchRow> rows;  // in table order
    // The header of each history column a value was written into; an empty
    // text leaves that column's header as it is.
    std::array<std::string, kWatchHistoryColumns> headers;
    // Texts for the user, shown once the records lock is released.
    std::vector<std::string> messages;
};

// Call with the records lock held. A highlighted value whose text did not
// change since the last fill loses its highlight; the text shown is kept in
// VarExistingDisp for the next fill.
WatchFill TakeWatchFill(VarTable& records, int depth);

// Replaces every row of the list by the fill's rows, sorted by label.
void WriteWatchRows(ReportList& list, const WatchFill& fill, bool descending);

// Label order: the texts before the first "#" decide; when they are equal the
// numbers after it are compared as numbers, so ARR#2 comes before ARR#10.
int CompareWatchLabels(const std::string& a, const std::string& b);
// Sorts the list's rows by their Label cells.
void SortWatchRows(ReportList& list, bool descending);

// Colours of one cell: banded rows, and yellow on the Label cell (or the
// Value cell when "HighLightLabel" is 0) of a variable whose value changed.
// The list draws itself plainly until a project is loaded.
CellColours WatchCellColours(const Session& session, const std::string& label, int row, int column);

}  // namespace varnolux
