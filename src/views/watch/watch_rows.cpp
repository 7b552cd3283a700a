#include "views/watch/watch_rows.h"

#include <cstdlib>

#include "link/line/link_text.h"
#include "text/text_util.h"
#include "vars/record_update.h"
#include "vars/value_format.h"

namespace varnolux {

namespace {

// The part of a label before its first "#", and the number after it (0 when
// there is none).
std::string NamePart(const std::string& label) {
    return label.substr(0, label.find('#'));
}

long IndexPart(const std::string& label) {
    const size_t hash = label.find('#');
    return hash == std::string::npos ? 0 : std::strtol(label.c_str() + hash + 1, nullptr, 10);
}

int Sign(int n) {
    return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

}  // namespace

WatchFill TakeWatchFill(VarTable& records, int depth) {
    if (depth < 0) depth = 0;
    if (depth > kWatchDepthMax) depth = kWatchDepthMax;
    WatchFill fill;
    for (MyVarRecord& r : records) {
        if (r.VarInWatchList == 0) continue;
        WatchRow row;
        row.label = TrimTrailingBlanks(r.VarLabel);
        ValueTexts texts;
        if (!FormatValue(r, texts)) {
            fill.messages.push_back(FormatValueFailureText(r));
        } else if (r.VarValueInit == 1) {
            // A variable no dump has set yet has no value to show.
            row.value = texts.value;
            for (int j = 0; j < depth; ++j) {
                if (r.DumpIDLast[j] == 0) continue;
                row.history[j] = FormatRawValue(r.VarType, r.VarDisplayType, r.VarLast[j], false);
                fill.headers[j] = "DumpID" + SignPadded(r.DumpIDLast[j]);
            }
        }
        if (r.VarIsHighLight == 1 && row.value == r.VarExistingDisp) r.VarIsHighLight = 0;
        r.VarExistingDisp = row.value;
        fill.rows.push_back(std::move(row));
    }
    return fill;
}

void WriteWatchRows(ReportList& list, const WatchFill& fill, bool descending) {
    RedrawOff off(list);
    list.DeleteAllRows();
    int n = 0;
    for (const WatchRow& row : fill.rows) {
        list.InsertRow(n);
        list.SetCellText(n, kWatchColLabel, row.label);
        list.SetCellText(n, kWatchColValue, row.value);
        for (int j = 0; j < kWatchHistoryColumns; ++j)
            if (!row.history[j].empty())
                list.SetCellText(n, kWatchColFirstHistory + j, row.history[j]);
        ++n;
    }
    SortWatchRows(list, descending);
}

int CompareWatchLabels(const std::string& a, const std::string& b) {
    if (NamePart(a) == NamePart(b)) {
        const long x = IndexPart(a), y = IndexPart(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return Sign(a.compare(b));
}

void SortWatchRows(ReportList& list, bool descending) {
    std::vector<std::string> labels;
    for (int row = 0; row < list.RowCount(); ++row) {
        list.SetItemData(row, static_cast<uint32_t>(row));
        labels.push_back(list.CellText(row, kWatchColLabel));
    }
    list.Sort([&labels, descending](uint32_t a, uint32_t b) {
        const int order = CompareWatchLabels(labels[a], labels[b]);
        return descending ? -order : order;
    });
}

CellColours WatchCellColours(const Session& session, const std::string& label, int row,
                             int column) {
    CellColours colours;
    if (session.run.ProjectLoaded.load() != 1) return colours;
    colours.useDefault = false;
    colours.text = kTextBlack;
    colours.background = row % 2 == 0 ? kStripeGrey : kStripeWhite;
    const int highlightColumn =
        session.settings.HighLightLabel == 1 ? kWatchColLabel : kWatchColValue;
    if (column != highlightColumn) return colours;
    const int32_t r = FindRecordByLabel(session.records, label);
    if (r != kNoRecord && session.records[r].VarIsHighLight == 1)
        colours.background = kHighlightYellow;
    return colours;
}

}  // namespace varnolux
