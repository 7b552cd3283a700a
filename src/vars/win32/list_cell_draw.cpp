#include "vars/win32/list_cell_draw.h"

namespace varnolux {

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
    const CellColours cell = colours(static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem);
    if (cell.useDefault) return CDRF_DODEFAULT;
    draw.clrText = RGB(cell.text.r, cell.text.g, cell.text.b);
    draw.clrTextBk = RGB(cell.background.r, cell.background.g, cell.background.b);
    return CDRF_NEWFONT;
}

}  // namespace varnolux
