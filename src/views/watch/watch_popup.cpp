#include "views/watch/watch_popup.h"

#include "vars/record_update.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_rows.h"

namespace varnolux {

namespace {

struct PopupEntry {
    int id;
    const char* text;
    int32_t radix;
    bool wholeColumn;  // else the clicked item
};

// In menu order.
constexpr PopupEntry kEntries[] = {
    {ids::kWatchColumnDec, "This column as Dec", DT_DECIMAL, true},
    {ids::kWatchColumnHex, "This column as Hex", DT_HEX, true},
    {ids::kWatchColumnBinary, "This column as Binary", DT_BINARY, true},
    {ids::kWatchItemDec, "This item as Dec", DT_DECIMAL, false},
    {ids::kWatchItemHex, "This item as Hex", DT_HEX, false},
    {ids::kWatchItemBinary, "This item as Binary", DT_BINARY, false},
};

// The popup's entry of the command; nullptr for other commands.
const PopupEntry* EntryOf(int id) {
    for (const PopupEntry& entry : kEntries)
        if (entry.id == id) return &entry;
    return nullptr;
}

}  // namespace

const std::vector<int>& WatchPopupItemIds() {
    static const std::vector<int> items = [] {
        std::vector<int> list;
        for (const PopupEntry& entry : kEntries) list.push_back(entry.id);
        return list;
    }();
    return items;
}

std::string WatchPopupItemText(int id) {
    const PopupEntry* entry = EntryOf(id);
    return entry ? entry->text : std::string();
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
    const PopupEntry* entry = EntryOf(id);
    return entry ? entry->radix : 0;
}

bool IsWatchColumnRadix(int id) {
    const PopupEntry* entry = EntryOf(id);
    return entry && entry->wholeColumn;
}

std::string NoVariableText(const std::string& label) {
    return "No variable named " + label;
}

}  // namespace varnolux
