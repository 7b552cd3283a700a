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
    InvalidateRows();
}

void ListViewControl::RedrawRow(int row) {
    if (DrawingOff()) return;
    SyncControl();
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void ListViewControl::RedrawAll() {
    SyncControl();
    InvalidateRows();
}

void ListViewControl::RedrawColumn(int column) {
    if (DrawingOff()) return;
    SyncControl();
    InvalidateColumn(column);
}

void ListViewControl::RedrawCell(int row, int column) {
    if (DrawingOff()) return;
    SyncControl();
    RECT cell{};
    if (CellRect(row, column, cell)) InvalidateRect(list_, &cell, FALSE);
}

bool ListViewControl::CellRect(int row, int column, RECT& cell) const {
    if (row < 0 || column < 0 || column >= columns_) return false;
    cell = RECT{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    return Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)) != 0;
}

// The column's left and right edges as the first row on screen has them
// (scrolled sideways with the list), from that row to the foot of the list.
void ListViewControl::InvalidateColumn(int column) {
    RECT cell{};
    if (!CellRect(static_cast<int>(Send(LVM_GETTOPINDEX, 0, 0)), column, cell)) return;
    RECT area{};
    GetClientRect(list_, &area);
    area.left = cell.left;
    area.right = cell.right;
    area.top = cell.top;
    InvalidateRect(list_, &area, FALSE);
}

// Below the header when it shows; a list without one repaints whole.
void ListViewControl::InvalidateRows() {
    RECT area{};
    GetClientRect(list_, &area);
    RECT header{};
    const HWND bar = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    if (bar && IsWindowVisible(bar) && GetWindowRect(bar, &header)) {
        MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&header), 2);
        if (header.bottom > area.top && header.bottom < area.bottom) area.top = header.bottom;
    }
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
