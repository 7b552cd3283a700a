#include "app/main_ids.h"
#include "app/win32/main_window.h"

namespace varnolux {

// The Continue button: framed always; pressed it shows "Continue" sunken on the
// button face; before the first dump nothing more is drawn.
void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    FrameRect(item.hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (item.itemState & ODS_SELECTED) {
        FillRect(item.hDC, &r, brushes_.buttonFace);
        DrawEdge(item.hDC, &r, EDGE_SUNKEN, BF_RECT);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, RGB(0, 0, 0));
        DrawTextA(item.hDC, "Continue", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

}  // namespace varnolux
