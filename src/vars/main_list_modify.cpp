#include "vars/main_list_modify.h"

#include "text/text_util.h"
#include "vars/value_format.h"

namespace varnolux {

ModifyStart OpenModifyForCell(ListContext& ctx, int row, int column) {
    ModifyStart start;
    Session& s = ctx.session;
    if (s.device.Core == 14 || column != kColValue) return start;
    if (s.run.ModifyPending.load() != 0) {
        ctx.messages.push_back(
            "OpenModifyWindow There is a modify operation pending - please wait ");
        return start;
    }
    const std::string label = RowLabel(ctx.list, row);
    if (label.empty()) return start;
    const int r = FindRecord(ctx, label);
    if (r == kNoRecord) {
        ReportLabelNotFound(ctx, "OpenModifyWindow", label);
        return start;
    }
    if (s.records[r].VarRecordType == RT_ARRAY) return start;
    s.modify.ModifyItemIndex = row;
    s.modify.ModifyRecordIndex = r;
    start.open = true;
    start.record = r;
    start.row = row;
    start.text = TrimBlanks(PlainDecimalText(s.records[r]));
    return start;
}

WindowOrigin PlaceModifyWindow(const CellRect& cell, int row, int firstVisible, int rowsPerPage,
                               int width, int height) {
    WindowOrigin origin;
    origin.x = cell.left + (cell.right - cell.left) / 2 - width;
    origin.y = row > firstVisible + rowsPerPage - 3 ? cell.bottom - height : cell.top;
    return origin;
}

}  // namespace varnolux
