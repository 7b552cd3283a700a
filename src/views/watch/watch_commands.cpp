#include "views/watch/watch_commands.h"

#include "seams/main_ids.h"
#include "vars/list_commands.h"
#include "vars/main_list.h"
#include "views/watch/watch_popup.h"

namespace varnolux {

namespace {

// The record of a Watch row's label; none: the user is told and kNoRecord returned.
int WatchedRecord(ListContext& ctx, const std::string& label) {
    const int r = FindRecord(ctx, label);
    if (r == kNoRecord) ctx.messages.push_back(NoVariableText(label));
    return r;
}

}  // namespace

void ApplyWatchDefaultRadix(ListContext& ctx) {
    const int32_t radix = ctx.session.settings.DefaultDataRadix;
    if (radix != 0) SetAllRadix(ctx, 0, radix);
    // The window that opens fills itself; a second fill now would end the
    // highlights of the last dump at once.
    ctx.watchChanged = false;
}

void WatchColumnRadix(ListContext& ctx, int radix) {
    SetAllRadix(ctx, 0, radix);
    ctx.session.settings.DefaultDataRadix = radix;
    ctx.watchChanged = true;
}

void WatchItemRadix(ListContext& ctx, const std::string& label, int radix) {
    const int r = WatchedRecord(ctx, label);
    if (r == kNoRecord) return;
    ctx.session.records[r].VarDisplayType = radix;
    const int row = RowOfLabel(ctx.list, label);
    if (row >= 0) FillRow(ctx, r, row, FillMode::ValuesOnly);
    ctx.watchChanged = true;
}

void RemoveWatch(ListContext& ctx, const std::string& label) {
    const int r = WatchedRecord(ctx, label);
    if (r == kNoRecord) return;
    ctx.session.records[r].VarInWatchList = 0;
    const int row = RowOfLabel(ctx.list, label);
    if (row >= 0) ctx.list.SetChecked(row, false);
    ctx.watchChanged = true;
}

bool WatchContinuousClicked(MainWindowView& view) {
    const bool on = !view.IsChecked(ids::kContinuous);
    view.SetChecked(ids::kContinuous, on);
    return on;
}

}  // namespace varnolux
