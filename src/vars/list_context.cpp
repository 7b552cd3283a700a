#include "vars/list_context.h"

#include "text/text_util.h"
#include "vars/record_update.h"

namespace varnolux {

void ShowListMessages(ListContext& ctx, Prompts& prompts) {
    std::vector<std::string> messages;
    messages.swap(ctx.messages);
    for (const std::string& text : messages) prompts.Inform(text);
}

std::string RowLabel(const ReportList& list, int row) {
    std::string text = list.CellText(row, kColLabel);
    if (text.size() > 260) text.resize(260);
    return TrimBlanks(text);
}

int FindRecord(const ListContext& ctx, const std::string& label) {
    return FindRecordByLabel(ctx.session.records, label);
}

void ReportLabelNotFound(ListContext& ctx, const char* routine, const std::string& label, int row) {
    std::string text = std::string(routine) + " 1 " + label + " ";
    if (row >= 0) text += std::to_string(row);
    ctx.messages.push_back(text);
}

int RecordOfRowFor(ListContext& ctx, int row, const char* routine) {
    const std::string label = RowLabel(ctx.list, row);
    if (label.empty()) return kNoRecord;
    const int r = FindRecord(ctx, label);
    if (r == kNoRecord) ReportLabelNotFound(ctx, routine, label, row);
    return r;
}

int RecordIndexOfRow(ListContext& ctx, int row) {
    return RecordOfRowFor(ctx, row, "RecordIndexOfRow");
}

int WatchedRowCount(const VarTable& records) {
    int count = 0;
    for (const MyVarRecord& r : records)
        if (r.VarInWatchList != 0 && r.VarRecordType != RT_ARRAY) ++count;
    return count;
}

bool IsArrayExpanded(const VarTable& records, int arrayIndex) {
    const size_t first = static_cast<size_t>(arrayIndex) + 1;
    return records[arrayIndex].VarLen > 0 && first < records.size() &&
           records[first].VarIsExpanded != 0;
}

int RowOfLabel(const ReportList& list, const std::string& label, int from) {
    const int rows = list.RowCount();
    for (int row = from < 0 ? 0 : from; row < rows; ++row)
        if (RowLabel(list, row) == label) return row;
    return -1;
}

}  // namespace varnolux
