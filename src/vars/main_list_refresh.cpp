#include <unordered_map>

#include "vars/main_list.h"

namespace varnolux {

void RefreshListValues(ListContext& ctx) {
    const VarTable& records = ctx.session.records;
    // Rows find their records by label; one index per refresh keeps this linear.
    std::unordered_map<std::string, int> byLabel;
    byLabel.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        byLabel.emplace(records[i].VarLabel, static_cast<int>(i));
    {
        RedrawOff off(ctx.list);
        const int rows = ctx.list.RowCount();
        for (int row = 0; row < rows; ++row) {
            const std::string label = RowLabel(ctx.list, row);
            const auto found = byLabel.find(label);
            if (found == byLabel.end()) {
                ReportLabelNotFound(ctx, "RefreshListValues", label, row);
                break;
            }
            if (records[found->second].VarRecordType == RT_ARRAY) continue;
            FillRow(ctx, found->second, row, FillMode::ValuesOnly);
        }
    }
}

void RefreshAfterDump(ListContext& ctx) {
    RefreshListValues(ctx);
    Session& s = ctx.session;
    if (s.settings.AutoExclude == 1 && s.run.FirstDumpPending.load() == 1) {
        s.run.FirstDumpPending = 0;
        s.run.ExcludeBlank = 1;
        for (MyVarRecord& r : s.records)
            if (r.VarValueInit == 0) r.VarIsExpanded = 0;
        FillMainList(ctx);
    }
    // The cells whose texts changed repaint themselves; the highlights follow
    // the records' update.
    ctx.list.RedrawColumn(HighlightColumn(s.settings));
}

}  // namespace varnolux
