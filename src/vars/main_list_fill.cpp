#include <algorithm>
#include <cctype>
#include <vector>

#include "vars/main_list.h"
#include "vars/value_format.h"

namespace varnolux {

std::string VarTypeName(int32_t varType) {
    static const char* const kNames[] = {"Bit",   "Byte",  "Word",   "DWord",
                                         "SByte", "SWord", "SDWord", "Float"};
    return varType >= VT_BIT && varType <= VT_FLOAT ? kNames[varType - VT_BIT] : "???";
}

std::string ListTypeText(const MyVarRecord& record) {
    std::string text = VarTypeName(record.VarType);
    if (record.VarRecordType == RT_ARRAY) text += "[" + std::to_string(record.VarLen) + "]";
    return text;
}

bool IsDumpSupportLabel(const std::string& label) {
    return label == "D_WaitFlag" || label == "D_RxFailFlag" || label == "D_RomGoodFlag" ||
           label == "D_CRC8_feedback_bit";
}

void FillMainList(ListContext& ctx) {
    ReportList& list = ctx.list;
    RedrawOff off(list);
    list.DeleteAllRows();
    int n = 0;
    VarTable& records = ctx.session.records;
    for (size_t i = 0; i < records.size(); ++i) {
        MyVarRecord& r = records[i];
        if (r.VarRecordType == RT_SUBSCRIPT) {
            r.VarIsExpanded = 0;
            continue;
        }
        if (IsDumpSupportLabel(r.VarLabel)) r.VarIsExpanded = 0;
        if (r.VarIsHidden != 0 || r.VarIsExpanded == 0) continue;
        list.InsertRow(n);
        list.SetCellText(n, kColLabel, r.VarLabel);
        // A record of an unknown type (record type 0) shows as a simple variable.
        list.SetRowImage(n, r.VarRecordType == RT_ARRAY ? kImageCollapsed : kImageNone);
        list.SetCellText(n, kColComment, r.VarComment);
        list.SetChecked(n, r.VarInWatchList != 0);
        if (r.VarRecordType != RT_ARRAY) {
            FillRow(ctx, static_cast<int>(i), n, FillMode::Full);
        } else {
            list.SetCellText(n, kColType, ListTypeText(r));
            list.SetCellText(n, kColAddress, FormatAddress(r));
        }
        ++n;
    }
    SortRows(ctx);
}

void FillRow(ListContext& ctx, int record, int row, FillMode mode) {
    ReportList& list = ctx.list;
    MyVarRecord& r = ctx.session.records[record];
    if (mode == FillMode::Full) {
        list.SetCellText(row, kColType, ListTypeText(r));
        list.SetCellText(row, kColAddress, FormatAddress(r));
    }
    if (r.VarValueInit == 0) return;
    ValueTexts texts;
    if (!FormatValue(r, texts)) {
        ctx.messages.push_back(FormatValueFailureText(r));
        return;
    }
    // The highlight shows in one cell of the row: the value's own, or the
    // label's, which its new text does not repaint.
    const int highlight = HighlightColumn(ctx.session.settings);
    if (list.CellText(row, kColValue) != texts.value) {
        list.SetCellText(row, kColValue, texts.value);
        if (highlight != kColValue) list.RedrawCell(row, highlight);
    } else if (r.VarIsHighLight != 0) {
        r.VarIsHighLight = 0;
        list.RedrawCell(row, highlight);
    }
    if (r.VarPreviousInit != 0 && list.CellText(row, kColPrevious) != texts.previous)
        list.SetCellText(row, kColPrevious, texts.previous);
}

namespace {

// Byte-wise comparison of the lower-case texts; a proper beginning is smaller.
int CompareLower(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = static_cast<unsigned char>(a[i]);
        const unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string SortKey(const std::string& text) {
    std::string key = text.substr(0, 255);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

void SortRows(ListContext& ctx) {
    ReportList& list = ctx.list;
    const ListState& state = ctx.session.list;
    const int rows = list.RowCount();
    std::vector<std::string> keys(rows);
    for (int row = 0; row < rows; ++row) {
        list.SetItemData(row, static_cast<uint32_t>(row));
        keys[row] = SortKey(list.CellText(row, state.SortColumn));
    }
    const bool descending = state.SortDescending != 0;
    list.Sort([&](uint32_t a, uint32_t b) {
        if (a >= keys.size() || b >= keys.size()) return 0;
        const int result = CompareLower(keys[a], keys[b]);
        return descending ? -result : result;
    });
}

void SortList(ListContext& ctx, int column) {
    if (ctx.session.run.ProjectLoaded.load() != 1) return;
    if (column < kColLabel || column > kColAddress) return;
    FillMainList(ctx);
    ListState& state = ctx.session.list;
    state.SortDescending = state.SortDescending != 0 ? 0 : 1;
    state.SortColumn = column;
    SortRows(ctx);
    ctx.list.RedrawAll();
}

}  // namespace varnolux
