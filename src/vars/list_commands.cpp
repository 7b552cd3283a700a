#include "vars/list_commands.h"

#include "vars/main_list.h"

namespace varnolux {

void LabelToClipboard(ListContext& ctx, HostOs& os) {
    const int r = RecordOfRowFor(ctx, ctx.session.list.MenuRow, "LabelToClipboard");
    if (r == kNoRecord) return;
    os.SetClipboardText(ctx.session.records[r].VarLabel);
}

void SetHighlightCell(ListContext& ctx, bool onLabel) {
    for (MyVarRecord& r : ctx.session.records) r.VarIsHighLight = 0;
    ctx.list.RedrawAll();
    ctx.session.settings.HighLightLabel = onLabel ? 1 : 0;
}

namespace {

// The radix commands of the context menu: whose radix they set, and to which.
struct RadixCommand {
    int id;
    void (*apply)(ListContext&, int);
    int radix;
};

constexpr RadixCommand kRadixCommands[] = {
    {listcmd::kColumnDecimal, ColumnRadix, DT_DECIMAL},
    {listcmd::kColumnHex, ColumnRadix, DT_HEX},
    {listcmd::kColumnBinary, ColumnRadix, DT_BINARY},
    {listcmd::kRowDecimal, RowRadix, DT_DECIMAL},
    {listcmd::kRowHex, RowRadix, DT_HEX},
    {listcmd::kRowBinary, RowRadix, DT_BINARY},
    {listcmd::kItemDecimal, ItemRadix, DT_DECIMAL},
    {listcmd::kItemHex, ItemRadix, DT_HEX},
    {listcmd::kItemBinary, ItemRadix, DT_BINARY},
};

// The commands that are one operation on the list.
struct PlainCommand {
    int id;
    void (*run)(ListContext&);
};

constexpr PlainCommand kPlainCommands[] = {
    {listcmd::kContractAll, FillMainList},
    {listcmd::kContractAllButThis, ContractAllButThis},
    {listcmd::kExpandAllButThis, ExpandAllButThis},
    {listcmd::kClearAllWatches, ClearAllWatches},
    {listcmd::kHideSelectedItem, HideSelectedRows},
    {listcmd::kHideSelected, HideSelectedRows},
    {listcmd::kUnhideAll, UnhideAll},
    {listcmd::kExcludeBlank, ExcludeBlankVariables},
    {listcmd::kIncludeBlank, IncludeBlankVariables},
};

}  // namespace

bool RunListCommand(ListContext& ctx, int id, HostOs& os) {
    using namespace listcmd;
    for (const RadixCommand& c : kRadixCommands) {
        if (c.id != id) continue;
        c.apply(ctx, c.radix);
        return true;
    }
    for (const PlainCommand& c : kPlainCommands) {
        if (c.id != id) continue;
        c.run(ctx);
        return true;
    }
    Session& s = ctx.session;
    switch (id) {
        case kExpandAll:
            ExpandAllExcept(ctx, std::string());
            break;
        case kLabelToClipboard:
            LabelToClipboard(ctx, os);
            break;
        case kAutoExclude:
            s.settings.AutoExclude = 1;
            s.run.FirstDumpPending = 0;
            ExcludeBlankVariables(ctx);
            break;
        case kManualExclude:
            s.settings.AutoExclude = 0;
            break;
        case kHighlightLabel:
        case kHighlightValue:
            SetHighlightCell(ctx, id == kHighlightLabel);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace varnolux
