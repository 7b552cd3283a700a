#include "vars/list_commands.h"
#include "vars/main_list.h"

namespace varnolux {

namespace {

int FirstSelectedRow(const ReportList& list) {
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.IsSelected(row)) return row;
    return -1;
}

}  // namespace

void HideSelectedRows(ListContext& ctx) {
    ReportList& list = ctx.list;
    if (FirstSelectedRow(list) < 0) return;
    RedrawOff off(list);
    VarTable& records = ctx.session.records;
    for (int row = FirstSelectedRow(list); row >= 0; row = FirstSelectedRow(list)) {
        const int r = RecordOfRowFor(ctx, row, "HideSelectedRows");
        if (r == kNoRecord) {
            // An unlabelled row has no record to hide; do not stop at it forever.
            list.SetSelected(row, false);
            if (!ctx.messages.empty()) break;
            continue;
        }
        MyVarRecord& rec = records[r];
        const bool wholeArray =
            rec.VarRecordType == RT_ARRAY &&
            static_cast<size_t>(r) + static_cast<size_t>(rec.VarLen) < records.size();
        const bool expanded = wholeArray && IsArrayExpanded(records, r);
        list.DeleteRow(row);
        rec.VarIsHidden = 1;
        if (!wholeArray) continue;
        for (int j = 0; j < rec.VarLen; ++j) {
            MyVarRecord& e = records[r + 1 + j];
            if (expanded && e.VarIsHidden == 0) list.DeleteRow(row);
            e.VarIsHidden = 1;
        }
    }
    ctx.session.run.HiddenItemsExist = 1;
}

void UnhideAll(ListContext& ctx) {
    for (MyVarRecord& r : ctx.session.records) r.VarIsHidden = 0;
    FillMainList(ctx);
    ctx.session.run.HiddenItemsExist = 0;
}

void ExcludeBlankVariables(ListContext& ctx) {
    for (MyVarRecord& r : ctx.session.records)
        if (r.VarValueInit == 0) r.VarIsExpanded = 0;
    ctx.session.run.ExcludeBlank = 1;
    FillMainList(ctx);
}

void IncludeBlankVariables(ListContext& ctx) {
    RunState& run = ctx.session.run;
    if (run.CommsEstablished.load() != 1) return;
    for (MyVarRecord& r : ctx.session.records)
        if (r.VarRecordType != RT_SUBSCRIPT) r.VarIsExpanded = 1;
    FillMainList(ctx);
    run.ExcludeBlank = 0;
    run.FirstDumpPending = 1;
}

}  // namespace varnolux
