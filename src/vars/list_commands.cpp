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

bool RunListCommand(ListContext& ctx, int id, HostOs& os) {
    using namespace listcmd;
    Session& s = ctx.session;
    switch (id) {
        case kColumnDecimal:
            ColumnRadix(ctx, DT_DECIMAL);
            break;
        case kColumnHex:
            ColumnRadix(ctx, DT_HEX);
            break;
        case kColumnBinary:
            ColumnRadix(ctx, DT_BINARY);
            break;
        case kRowDecimal:
            RowRadix(ctx, DT_DECIMAL);
            break;
        case kRowHex:
            RowRadix(ctx, DT_HEX);
            break;
        case kRowBinary:
            RowRadix(ctx, DT_BINARY);
            break;
        case kItemDecimal:
            ItemRadix(ctx, DT_DECIMAL);
            break;
        case kItemHex:
            ItemRadix(ctx, DT_HEX);
            break;
        case kItemBinary:
            ItemRadix(ctx, DT_BINARY);
            break;
        case kContractAll:
            FillMainList(ctx);
            break;
        case kContractAllButThis:
            ContractAllButThis(ctx);
            break;
        case kExpandAll:
            ExpandAllExcept(ctx, std::string());
            break;
        case kExpandAllButThis:
            ExpandAllButThis(ctx);
            break;
        case kClearAllWatches:
            ClearAllWatches(ctx);
            break;
        case kHideSelectedItem:
        case kHideSelected:
            HideSelectedRows(ctx);
            break;
        case kLabelToClipboard:
            LabelToClipboard(ctx, os);
            break;
        case kUnhideAll:
            UnhideAll(ctx);
            break;
        case kAutoExclude:
            s.settings.AutoExclude = 1;
            s.run.FirstDumpPending = 0;
            ExcludeBlankVariables(ctx);
            break;
        case kManualExclude:
            s.settings.AutoExclude = 0;
            break;
        case kExcludeBlank:
            ExcludeBlankVariables(ctx);
            break;
        case kIncludeBlank:
            IncludeBlankVariables(ctx);
            break;
        case kHighlightLabel:
            SetHighlightCell(ctx, true);
            break;
        case kHighlightValue:
            SetHighlightCell(ctx, false);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace varnolux
