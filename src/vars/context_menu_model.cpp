#include "vars/list_commands.h"
#include "vars/main_list.h"

namespace varnolux {

const std::vector<int>& ContextMenuItemIds() {
    using namespace listcmd;
    static const std::vector<int> ids = {
        kColumnDecimal,    kColumnHex,       kColumnBinary,       kRowDecimal,
        kRowHex,           kRowBinary,       kItemDecimal,        kItemHex,
        kItemBinary,       kContractAll,     kContractAllButThis, kExpandAll,
        kExpandAllButThis, kClearAllWatches, kHideSelectedItem,   kLabelToClipboard};
    return ids;
}

std::string ContextMenuItemText(int id) {
    using namespace listcmd;
    switch (id) {
        case kColumnDecimal:
            return "This column as decimal";
        case kColumnHex:
            return "This column as hex";
        case kColumnBinary:
            return "This column as binary";
        case kRowDecimal:
            return "This row as decimal";
        case kRowHex:
            return "This row as hex";
        case kRowBinary:
            return "This row as binary";
        case kItemDecimal:
            return "This item as decimal";
        case kItemHex:
            return "This item as hex";
        case kItemBinary:
            return "This item as binary";
        case kContractAll:
            return "contract all arrays";
        case kContractAllButThis:
            return "contract all but this";
        case kExpandAll:
            return "expand all arrays";
        case kExpandAllButThis:
            return "expand all but this";
        case kClearAllWatches:
            return "Clear all Watches";
        case kHideSelectedItem:
            return "Hide selected item";
        case kLabelToClipboard:
            return "Label to clipboard";
        default:
            return std::string();
    }
}

void RightClickCell(ListContext& ctx, int row, int column) {
    ListState& state = ctx.session.list;
    state.ClickedRow = row;
    state.ClickedColumn = column;
    state.ClickedHeader = -1;
    state.CanContract = false;
    state.CanExpand = false;
    state.ClickedLabel.clear();
    const std::string label = RowLabel(ctx.list, row);
    if (label.empty()) return;
    const int r = FindRecord(ctx, label);
    if (r == kNoRecord) {
        ReportLabelNotFound(ctx, "RightClickCell", label, row);
        return;
    }
    const VarTable& records = ctx.session.records;
    if (records[r].VarRecordType == RT_ARRAY) {
        if (IsArrayExpanded(records, r))
            state.CanContract = true;
        else
            state.CanExpand = true;
    } else if (records[r].VarRecordType == RT_SUBSCRIPT) {
        state.CanContract = true;
    }
    state.ClickedLabel = label;
}

void RightClickHeader(ListContext& ctx, int column) {
    ctx.session.list.ClickedHeader = column;
}

std::vector<int> AssembleContextMenu(ListContext& ctx) {
    using namespace listcmd;
    ListState& state = ctx.session.list;
    std::vector<int> items;
    state.MenuRow = state.ClickedRow;
    state.MenuColumn = state.ClickedColumn;
    state.MenuHeader = state.ClickedHeader;
    state.ClickedHeader = -1;
    state.ClickedColumn = -1;

    if (state.MenuHeader >= 0) {
        if (state.MenuHeader == kColWatch) items = {kClearAllWatches};
        if (state.MenuHeader == kColAddress) items = {kColumnDecimal, kColumnHex};
        if (state.MenuHeader == kColValue) items = {kColumnBinary, kColumnDecimal, kColumnHex};
        return items;
    }
    const std::string label = RowLabel(ctx.list, state.MenuRow);
    const int r = label.empty() ? kNoRecord : FindRecord(ctx, label);
    if (r == kNoRecord) return items;

    int choice = 2;
    switch (ctx.session.records[r].VarType) {
        case VT_BIT:
        case VT_SBYTE:
        case VT_SWORD:
        case VT_SDWORD:
        case VT_FLOAT:
            choice = 0;
            break;
        case VT_WORD:
        case VT_DWORD:
            choice = 1;
            break;
        default:
            break;
    }
    const int column = state.MenuColumn;
    if (column == kColLabel || column == kColType || column == kColAddress) {
        if (choice == 0) choice = 1;
        if (choice > 1) items.push_back(kRowBinary);
        if (choice > 0) {
            items.push_back(kRowDecimal);
            items.push_back(kRowHex);
        }
        items.push_back(kHideSelectedItem);
        items.push_back(kLabelToClipboard);
        if (state.CanContract) {
            items.push_back(kContractAll);
            items.push_back(kContractAllButThis);
        }
        if (state.CanExpand) {
            items.push_back(kExpandAll);
            items.push_back(kExpandAllButThis);
        }
    } else if (column == kColValue) {
        if (choice > 1) items.push_back(kItemBinary);
        if (choice > 0) {
            items.push_back(kItemHex);
            items.push_back(kItemDecimal);
        }
        items.push_back(kLabelToClipboard);
    }
    return items;
}

}  // namespace varnolux
