#include <cstdlib>

#include "vars/list_commands.h"
#include "vars/main_list.h"

namespace varnolux {

namespace {

// The array name of an element label ("buf#3" gives "buf"), else the label.
std::string ArrayName(const std::string& label) {
    return label.substr(0, label.find('#'));
}

}  // namespace

void ContractAllButThis(ListContext& ctx) {
    RedrawOff off(ctx.list);
    const int row = ctx.session.list.MenuRow;
    int r = RecordOfRowFor(ctx, row, "ContractAllButThis");
    if (r == kNoRecord) return;
    const std::string label = RowLabel(ctx.list, row);
    const size_t hash = label.find('#');
    if (hash != std::string::npos) r -= std::atoi(label.c_str() + hash + 1) + 1;
    FillMainList(ctx);
    ExpandArray(ctx, r);
}

void ExpandAllExcept(ListContext& ctx, const std::string& exclusion) {
    RedrawOff off(ctx.list);
    const VarTable& records = ctx.session.records;
    for (size_t i = 0; i < records.size(); ++i) {
        const MyVarRecord& a = records[i];
        // Only arrays that have a row: shown, not hidden, with a value.
        if (a.VarRecordType != RT_ARRAY || a.VarLabel == exclusion) continue;
        if (a.VarIsExpanded == 0 || a.VarIsHidden != 0 || a.VarValueInit != 1) continue;
        if (IsArrayExpanded(records, static_cast<int>(i))) continue;
        ExpandArray(ctx, static_cast<int>(i));
    }
}

void ExpandAllButThis(ListContext& ctx) {
    ListState& state = ctx.session.list;
    state.ExpandExclusion = ArrayName(state.ClickedLabel);
    ExpandAllExcept(ctx, state.ExpandExclusion);
}

}  // namespace varnolux
