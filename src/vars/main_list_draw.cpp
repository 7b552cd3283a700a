#include "vars/main_list.h"

namespace varnolux {

int HighlightColumn(const Settings& settings) {
    return settings.HighLightLabel == 1 ? kColLabel : kColValue;
}

CellColours DrawListCell(const ListContext& ctx, int row, int column) {
    CellColours colours;
    const Session& s = ctx.session;
    if (s.run.ProjectLoaded.load() != 1) return colours;
    colours.useDefault = false;
    colours.text = kTextBlack;
    const Rgb stripe = row % 2 == 0 ? kStripeGrey : kStripeWhite;
    colours.background = stripe;
    if (column == HighlightColumn(s.settings)) {
        const int r = FindRecord(ctx, RowLabel(ctx.list, row));
        if (r != kNoRecord && s.records[r].VarIsHighLight == 1)
            colours.background = kHighlightYellow;
    }
    return colours;
}

}  // namespace varnolux
