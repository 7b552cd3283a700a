#pragma once
// What every main-list operation works on: the session's records and settings
// and the list control. Operations run with the records lock held; they collect
// their messages and note a change of the watched set, and the caller shows the
// messages and tells the Watch window after unlocking (RunListOperation).
#include <string>
#include <vector>

#include "seams/prompts.h"
#include "seams/report_list.h"
#include "state/session.h"
#include "vars/record_update.h"

namespace varnolux {

// Columns of the main list.
enum ListColumn : int {
    kColWatch = 0,
    kColLabel = 1,
    kColType = 2,
    kColAddress = 3,
    kColValue = 4,
    kColPrevious = 5,
    kColComment = 6
};

// Row images of the main list (bitmap 105).
enum RowImage : int {
    kImageNone = 0,
    kImageCollapsed = 2,
    kImageExpanded = 4,
    kImageElement = 7,
    kImageLastElement = 9
};

struct ListContext {
    ListContext(Session& s, ReportList& l) : session(s), list(l) {}
    Session& session;
    ReportList& list;
    std::vector<std::string> messages;  // shown by ShowListMessages
    bool watchChanged = false;          // the Watch window is to fill again
};

// The Watch window holds at most this many rows.
constexpr int kWatchRowsMax = 20;
// Rows of the Watch window: the watched records other than arrays.
int WatchedRowCount(const VarTable& records);

// Shows the collected messages; call without holding the records lock.
void ShowListMessages(ListContext& ctx, Prompts& prompts);

// A row's Label text without blanks at either end.
std::string RowLabel(const ReportList& list, int row);
// The record of a row by its label; kNoRecord for an empty label, and for a
// label without record after collecting "<routine> 1 <label> <row>".
int RecordIndexOfRow(ListContext& ctx, int row);
// Like RecordIndexOfRow, with the reporting routine's name.
int RecordOfRowFor(ListContext& ctx, int row, const char* routine);
// Record of a label, kNoRecord when there is none (nothing reported).
int FindRecord(const ListContext& ctx, const std::string& label);
// Collects the internal-error message "<routine> 1 <label> [<row>]".
void ReportLabelNotFound(ListContext& ctx, const char* routine, const std::string& label,
                         int row = -1);

// An array's state: expanded when its first element shows.
bool IsArrayExpanded(const VarTable& records, int arrayIndex);
// The row showing a record's label (element rows match without their indent);
// -1 when none.
int RowOfLabel(const ReportList& list, const std::string& label, int from = 0);

}  // namespace varnolux
