#include "vars/main_list.h"

namespace varnolux {

namespace {

// Sets the boxes of the array's element rows below its row after their records.
void MirrorElementBoxes(ListContext& ctx, int arrayIndex, int arrayRow) {
    const VarTable& records = ctx.session.records;
    for (int j = 0, row = arrayRow + 1; j < records[arrayIndex].VarLen; ++j) {
        const MyVarRecord& e = records[arrayIndex + 1 + j];
        if (e.VarIsHidden != 0) continue;
        if (RowLabel(ctx.list, row) != e.VarLabel) break;
        ctx.list.SetChecked(row, e.VarInWatchList != 0);
        ++row;
    }
}

bool AnyElementWatched(const VarTable& records, int arrayIndex) {
    for (int j = 0; j < records[arrayIndex].VarLen; ++j)
        if (records[arrayIndex + 1 + j].VarInWatchList != 0) return true;
    return false;
}

void SetArrayWatched(ListContext& ctx, int r, int row, bool checked) {
    VarTable& records = ctx.session.records;
    const bool expanded = IsArrayExpanded(records, r);
    if (checked) {
        int c = WatchedRowCount(records);
        for (int j = 0; j < records[r].VarLen && c < kWatchRowsMax; ++j) {
            MyVarRecord& e = records[r + 1 + j];
            if (e.VarInWatchList != 0) continue;
            ++c;
            e.VarInWatchList = 1;
        }
        // The array's own box stays checked only while some element is watched.
        if (!AnyElementWatched(records, r)) ctx.list.SetChecked(row, false);
    } else {
        for (int j = 0; j < records[r].VarLen; ++j) records[r + 1 + j].VarInWatchList = 0;
    }
    if (expanded) MirrorElementBoxes(ctx, r, row);
}

}  // namespace

void WatchCheckChanged(ListContext& ctx, int row, bool checked) {
    if (ctx.session.run.ProjectLoaded.load() != 1) return;
    const int r = RecordIndexOfRow(ctx, row);
    if (r == kNoRecord) return;
    VarTable& records = ctx.session.records;
    MyVarRecord& rec = records[r];
    const bool isArray = rec.VarRecordType == RT_ARRAY &&
                         static_cast<size_t>(r) + static_cast<size_t>(rec.VarLen) < records.size();
    const bool watchable = rec.VarIsHidden == 0 && rec.VarValueInit == 1;
    if (checked && !watchable) {
        // A variable without a value cannot be watched.
        ctx.list.SetChecked(row, false);
        return;
    }
    if (isArray) {
        SetArrayWatched(ctx, r, row, checked);
    } else if (!checked) {
        rec.VarInWatchList = 0;
    } else if (WatchedRowCount(records) < kWatchRowsMax) {
        rec.VarInWatchList = 1;
    } else {
        // The Watch window is full: the box must not claim otherwise.
        ctx.list.SetChecked(row, false);
        return;
    }
    ctx.watchChanged = true;
}

void ClearAllWatches(ListContext& ctx) {
    {
        RedrawOff off(ctx.list);
        for (int row = 0; row < ctx.list.RowCount(); ++row) ctx.list.SetChecked(row, false);
    }
    for (MyVarRecord& r : ctx.session.records) r.VarInWatchList = 0;
    ctx.watchChanged = true;
}

}  // namespace varnolux
