#include "views/watch/watch_popup.h"

#include "vars/record_update.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_rows.h"

namespace varnolux {

const std::vector<int>& WatchPopupItemIds() {
    static const std::vector<int> items = {ids::kWatchColumnDec,    ids::kWatchColumnHex,
                                           ids::kWatchColumnBinary, ids::kWatchItemDec,
                                           ids::kWatchItemHex,      ids::kWatchItemBinary};
    return items;
}

std::string WatchPopupItemText(int id) {
    switch (id) {
        case ids::kWatchColumnDec:
            return "This column as Dec";
        case ids::kWatchColumnHex:
            return "This column as Hex";
        case ids::kWatchColumnBinary:
            return "This column as Binary";
        case ids::kWatchItemDec:
            return "This item as Dec";
        case ids::kWatchItemHex:
            return "This item as Hex";
        case ids::kWatchItemBinary:
            return "This item as Binary";
        default:
            return std::string();
    }
}

WatchPopup PruneWatchPopup(const VarTable& records, const WatchClick& click) {
    WatchPopup popup;
    if (click.header >= 0) {
        if (click.header == kWatchColValue)
            popup.items = {ids::kWatchColumnDec, ids::kWatchColumnHex, ids::kWatchColumnBinary};
        return popup;
    }
    if (click.row < 0 || click.column != kWatchColValue) return popup;
    const int32_t r = FindRecordByLabel(records, click.label);
    if (r == kNoRecord) {
        popup.message = NoVariableText(click.label);
        return popup;
    }
    switch (records[r].VarType) {
        case VT_BYTE:
            popup.items = {ids::kWatchItemDec, ids::kWatchItemHex, ids::kWatchItemBinary};
            break;
        case VT_WORD:
        case VT_DWORD:
            popup.items = {ids::kWatchItemDec, ids::kWatchItemHex};
            break;
        default:
            break;
    }
    return popup;
}

int WatchPopupRadix(int id) {
    switch (id) {
        case ids::kWatchColumnDec:
        case ids::kWatchItemDec:
            return DT_DECIMAL;
        case ids::kWatchColumnHex:
        case ids::kWatchItemHex:
            return DT_HEX;
        case ids::kWatchColumnBinary:
        case ids::kWatchItemBinary:
            return DT_BINARY;
        default:
            return 0;
    }
}

bool IsWatchColumnRadix(int id) {
    return id == ids::kWatchColumnDec || id == ids::kWatchColumnHex ||
           id == ids::kWatchColumnBinary;
}

std::string NoVariableText(const std::string& label) {
    return "No variable named " + label;
}

}  // namespace varnolux
