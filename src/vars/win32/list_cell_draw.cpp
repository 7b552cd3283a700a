#include "vars/win32/list_cell_draw.h"

namespace varnolux {

namespace {
// With full-row select the list draws a row's first cell whenever any cell of
// the row is painted; drawn outside the region being painted it changes no
// pixel, but its check box and icon cost the most of the row. The focused row
// is drawn whole, since the list keeps its focus rectangle from that drawing.
bool FirstCellOutsidePaint(const NMLVCUSTOMDRAW& draw) {
    if (draw.iSubItem != 0 || (draw.nmcd.uItemState & CDIS_FOCUS) != 0) return false;
    const int width = ListView_GetColumnWidth(draw.nmcd.hdr.hwndFrom, 0);
    const RECT cell{draw.nmcd.rc.left, draw.nmcd.rc.top, draw.nmcd.rc.left + width,
                    draw.nmcd.rc.bottom};
    return !RectVisible(draw.nmcd.hdc, &cell);
}
}  // namespace

LRESULT DrawCells(NMLVCUSTOMDRAW& draw, const CellColouring& colours) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            break;
        default:
            return CDRF_DODEFAULT;
    }
    if (FirstCellOutsidePaint(draw)) return CDRF_SKIPDEFAULT;
    const CellColours cell = colours(static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem);
    if (cell.useDefault) return CDRF_DODEFAULT;
    draw.clrText = RGB(cell.text.r, cell.text.g, cell.text.b);
    draw.clrTextBk = RGB(cell.background.r, cell.background.g, cell.background.b);
    return CDRF_NEWFONT;
}

}  // namespace varnolux
