#include "vars/win32/list_view_control.h"

#include <commctrl.h>

#include "seams/win32/dpi_scale.h"

namespace varnolux {

LRESULT ListViewControl::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(list_, message, wParam, lParam);
}

void ListViewControl::SetRedraw(bool on) {
    if (!on) {
        if (redrawOffDepth_++ == 0) DrawingOffBegins();
        return;
    }
    if (redrawOffDepth_ == 0 || --redrawOffDepth_ != 0) return;
    SyncControl();
    DrawingBack();
}

void ListViewControl::DrawingOffBegins() {
    Send(WM_SETREDRAW, FALSE, 0);
}

void ListViewControl::DrawingBack() {
    Send(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, FALSE);
}

void ListViewControl::RedrawRow(int row) {
    if (DrawingOff()) return;
    SyncControl();
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void ListViewControl::RedrawAll() {
    SyncControl();
    InvalidateRect(list_, nullptr, FALSE);
}

void ListViewControl::RedrawColumn(int column) {
    if (DrawingOff()) return;
    SyncControl();
    InvalidateColumn(column);
}

// The column's left and right edges as the first row on screen has them
// (scrolled sideways with the list), over the whole height of the list.
void ListViewControl::InvalidateColumn(int column) {
    if (column < 0 || column >= columns_) return;
    const int top = static_cast<int>(Send(LVM_GETTOPINDEX, 0, 0));
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    if (top < 0 ||
        !Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&cell)))
        return;
    RECT area{};
    GetClientRect(list_, &area);
    area.left = cell.left;
    area.right = cell.right;
    InvalidateRect(list_, &area, FALSE);
}

int ListViewControl::FirstVisibleRow() const {
    SyncControl();
    return static_cast<int>(Send(LVM_GETTOPINDEX, 0, 0));
}

int ListViewControl::RowsPerPage() const {
    SyncControl();
    return static_cast<int>(Send(LVM_GETCOUNTPERPAGE, 0, 0));
}

void ListViewControl::EnsureVisible(int row) {
    SyncControl();
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int ListViewControl::ColumnWidth(int column) const {
    if (column < 0 || column >= columns_) return 0;
    return FromScreen(static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
}

void ListViewControl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= columns_) return;
    Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(ToScreen(width), 0));
}

}  // namespace varnolux
