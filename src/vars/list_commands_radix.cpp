#include "vars/list_commands.h"
#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux {

void SetAllRadix(ListContext& ctx, int addressRadix, int dataRadix) {
    RedrawOff off(ctx.list);
    VarTable& records = ctx.session.records;
    for (MyVarRecord& r : records) {
        if (addressRadix != DT_NOCHANGE) r.AddDisplayType = addressRadix;
        if (dataRadix != DT_NOCHANGE) r.VarDisplayType = dataRadix;
    }
    // The Watch window shows the values in the same radixes.
    if (dataRadix != DT_NOCHANGE) ctx.watchChanged = true;
    for (int row = 0; row < ctx.list.RowCount(); ++row) {
        const std::string label = RowLabel(ctx.list, row);
        const int r = FindRecord(ctx, label);
        if (r == kNoRecord) {
            ReportLabelNotFound(ctx, "SetAllRadix", label, row);
            return;
        }
        if (records[r].VarRecordType == RT_ARRAY) {
            if (!IsArrayExpanded(records, r))
                ctx.list.SetCellText(row, kColAddress, FormatAddress(records[r]));
        } else {
            FillRow(ctx, r, row, FillMode::Full);
        }
    }
}

void RadixButton(ListContext& ctx, int radix) {
    Session& s = ctx.session;
    if (s.run.ProjectLoaded.load() != 1) return;
    if (radix == DT_BINARY) {
        SetAllRadix(ctx, DT_NOCHANGE, DT_BINARY);
        s.settings.DefaultDataRadix = DT_BINARY;
        return;
    }
    SetAllRadix(ctx, radix, radix);
    s.settings.DefaultAddressRadix = radix;
    s.settings.DefaultDataRadix = radix;
}

void ColumnRadix(ListContext& ctx, int radix) {
    Session& s = ctx.session;
    if (s.list.MenuHeader == kColAddress) {
        SetAllRadix(ctx, radix, DT_NOCHANGE);
        s.settings.DefaultAddressRadix = radix;
    } else {
        SetAllRadix(ctx, DT_NOCHANGE, radix);
        s.settings.DefaultDataRadix = radix;
    }
}

namespace {

void SetRadixes(MyVarRecord& r, int radix, bool address, bool value) {
    if (address) r.AddDisplayType = radix;
    if (value) r.VarDisplayType = radix;
}

// Row or item radix on the record of the clicked row.
void ApplyClickedRadix(ListContext& ctx, int radix, bool address, bool value, const char* routine) {
    const int row = ctx.session.list.MenuRow;
    const int r = RecordOfRowFor(ctx, row, routine);
    if (r == kNoRecord) return;
    RedrawOff off(ctx.list);
    VarTable& records = ctx.session.records;
    MyVarRecord& rec = records[r];
    SetRadixes(rec, radix, address, value);
    if (value) ctx.watchChanged = true;
    if (rec.VarRecordType != RT_ARRAY) {
        FillRow(ctx, r, row, FillMode::Full);
        return;
    }
    if (static_cast<size_t>(r) + static_cast<size_t>(rec.VarLen) >= records.size()) return;
    const bool expanded = IsArrayExpanded(records, r);
    if (!expanded) {
        FillRow(ctx, r, row, FillMode::Full);
        ctx.list.SetCellText(row, kColValue, " ");
        ctx.list.SetCellText(row, kColPrevious, " ");
    }
    // Each shown element is written on its own row; hidden ones have none.
    int elementRow = row + 1;
    for (int j = 0; j < rec.VarLen; ++j) {
        const int index = r + 1 + j;
        SetRadixes(records[index], radix, address, value);
        if (!expanded || records[index].VarIsHidden != 0) continue;
        if (RowLabel(ctx.list, elementRow) == records[index].VarLabel)
            FillRow(ctx, index, elementRow, FillMode::Full);
        ++elementRow;
    }
}

}  // namespace

void RowRadix(ListContext& ctx, int radix) {
    ApplyClickedRadix(ctx, radix, true, true, "RowRadix");
}

void ItemRadix(ListContext& ctx, int radix) {
    const int column = ctx.session.list.MenuColumn;
    if (column != kColAddress && column != kColValue) return;
    ApplyClickedRadix(ctx, radix, column == kColAddress, column == kColValue, "ItemRadix");
}

}  // namespace varnolux
