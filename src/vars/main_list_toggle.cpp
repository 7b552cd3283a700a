#include <cstdlib>

#include "text/text_util.h"
#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux {

namespace {

// True when a later element of the array, not hidden, follows element j.
bool ShownElementFollows(const VarTable& records, int arrayIndex, int j) {
    const int count = records[arrayIndex].VarLen;
    for (int k = j + 1; k < count; ++k)
        if (records[arrayIndex + 1 + k].VarIsHidden == 0) return true;
    return false;
}

void CollapseAt(ListContext& ctx, int arrayIndex, int arrayRow) {
    VarTable& records = ctx.session.records;
    MyVarRecord& a = records[arrayIndex];
    ctx.list.SetCellText(arrayRow, kColLabel, a.VarLabel);
    ctx.list.SetRowImage(arrayRow, kImageCollapsed);
    ctx.list.SetCellText(arrayRow, kColAddress, FormatAddress(a));
    for (int j = 0; j < a.VarLen; ++j) {
        MyVarRecord& e = records[arrayIndex + 1 + j];
        e.VarIsExpanded = 0;
        if (e.VarIsHidden == 0) ctx.list.DeleteRow(arrayRow + 1);
    }
}

void ExpandAt(ListContext& ctx, int arrayIndex, int arrayRow) {
    VarTable& records = ctx.session.records;
    ReportList& list = ctx.list;
    const MyVarRecord& a = records[arrayIndex];
    list.SetCellText(arrayRow, kColLabel, a.VarLabel);
    list.SetRowImage(arrayRow, kImageExpanded);
    list.SetCellText(arrayRow, kColAddress, " ");
    list.SetCellText(arrayRow, kColValue, " ");
    list.SetCellText(arrayRow, kColPrevious, " ");
    int row = arrayRow + 1;
    for (int j = 0; j < a.VarLen; ++j) {
        const int index = arrayIndex + 1 + j;
        MyVarRecord& e = records[index];
        e.VarIsExpanded = 1;
        if (e.VarIsHidden != 0) continue;
        list.InsertRow(row);
        list.SetCellText(row, kColLabel, "  " + e.VarLabel);
        list.SetRowImage(
            row, ShownElementFollows(records, arrayIndex, j) ? kImageElement : kImageLastElement);
        list.SetChecked(row, e.VarInWatchList != 0);
        FillRow(ctx, index, row, FillMode::Full);
        ++row;
    }
}

// Whether the record is an array with all its elements inside the table.
bool IsWholeArray(const VarTable& records, int index) {
    const MyVarRecord& a = records[index];
    return a.VarRecordType == RT_ARRAY && a.VarLen >= 0 &&
           static_cast<size_t>(index) + static_cast<size_t>(a.VarLen) < records.size();
}

}  // namespace

void ToggleRow(ListContext& ctx, int row) {
    ReportList& list = ctx.list;
    RedrawOff off(list);
    const std::string text = list.CellText(row, kColLabel);
    const size_t hash = text.find('#');
    const std::string name = TrimBlanks(hash == std::string::npos ? text : text.substr(0, hash));
    int arrayRow = row;
    if (hash != std::string::npos) {
        // The array's row is the nearest one above carrying its name; element
        // rows of hidden elements are missing, so it is found, not counted.
        arrayRow = row - 1;
        while (arrayRow >= 0 && RowLabel(list, arrayRow) != name) --arrayRow;
        if (arrayRow < 0) {
            ReportLabelNotFound(ctx, "ToggleRow", name, row);
            return;
        }
        list.EnsureVisible(arrayRow);
    }
    const int r = FindRecord(ctx, name);
    if (r == kNoRecord) {
        ReportLabelNotFound(ctx, "ToggleRow", name, row);
        return;
    }
    VarTable& records = ctx.session.records;
    if (records[r].VarRecordType == RT_VARIABLE) {
        const bool check = records[r].VarInWatchList == 0;
        list.SetChecked(row, check);
        WatchCheckChanged(ctx, row, check);
        return;
    }
    if (!IsWholeArray(records, r)) return;
    if (IsArrayExpanded(records, r))
        CollapseAt(ctx, r, arrayRow);
    else
        ExpandAt(ctx, r, arrayRow);
}

void ExpandArray(ListContext& ctx, int record) {
    VarTable& records = ctx.session.records;
    if (record < 0 || static_cast<size_t>(record) >= records.size()) return;
    if (!IsWholeArray(records, record) || IsArrayExpanded(records, record)) return;
    if (records[record].VarValueInit != 1) return;
    const int row = RowOfLabel(ctx.list, records[record].VarLabel);
    if (row < 0) {
        ReportLabelNotFound(ctx, "ExpandArray", records[record].VarLabel);
        return;
    }
    RedrawOff off(ctx.list);
    ExpandAt(ctx, record, row);
}

}  // namespace varnolux
