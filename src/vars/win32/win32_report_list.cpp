#include "vars/win32/win32_report_list.h"
#include "seams/win32/dpi_scale.h"

#include <commctrl.h>

namespace varnolux {

LRESULT Win32ReportList::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(list_, message, wParam, lParam);
}

int Win32ReportList::RowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

void Win32ReportList::InsertRow(int row) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    item.state = INDEXTOSTATEIMAGEMASK(1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    const int at = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (at >= 0 && imageColumn_ != 0) SetRowImage(at, 0);
}

void Win32ReportList::DeleteRow(int row) {
    Changing_ guard(changing_);
    Send(LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void Win32ReportList::DeleteAllRows() {
    Changing_ guard(changing_);
    Send(LVM_DELETEALLITEMS, 0, 0);
}

std::string Win32ReportList::CellText(int row, int column) const {
    char buffer[264] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer - 1;
    Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void Win32ReportList::SetCellText(int row, int column, const std::string& text) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int Win32ReportList::RowImage(int row) const {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = imageColumn_;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage;
}

void Win32ReportList::SetRowImage(int row, int image) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = imageColumn_;
    item.iImage = image;
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool Win32ReportList::IsChecked(int row) const {
    const UINT state =
        static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void Win32ReportList::SetChecked(int row, bool checked) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

uint32_t Win32ReportList::ItemData(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return static_cast<uint32_t>(item.lParam);
}

void Win32ReportList::SetItemData(int row, uint32_t data) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(data);
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool Win32ReportList::IsSelected(int row) const {
    return Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
}

void Win32ReportList::SetSelected(int row, bool selected) {
    Changing_ guard(changing_);
    LVITEMA item{};
    item.state = selected ? LVIS_SELECTED : 0;
    item.stateMask = LVIS_SELECTED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

namespace {

int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM compare) {
    const auto& f = *reinterpret_cast<const std::function<int(uint32_t, uint32_t)>*>(compare);
    return f(static_cast<uint32_t>(a), static_cast<uint32_t>(b));
}

}  // namespace

void Win32ReportList::Sort(const std::function<int(uint32_t, uint32_t)>& compare) {
    Changing_ guard(changing_);
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare), reinterpret_cast<LPARAM>(&CompareRows));
}

void Win32ReportList::SetRedraw(bool on) {
    // Nested switches: drawing comes back when the outermost one ends.
    if (!on) {
        if (redrawOffDepth_++ == 0) Send(WM_SETREDRAW, FALSE, 0);
        return;
    }
    if (redrawOffDepth_ == 0 || --redrawOffDepth_ != 0) return;
    Send(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, FALSE);
}

void Win32ReportList::RedrawRow(int row) {
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void Win32ReportList::RedrawAll() {
    InvalidateRect(list_, nullptr, FALSE);
}

int Win32ReportList::FirstVisibleRow() const {
    return static_cast<int>(Send(LVM_GETTOPINDEX, 0, 0));
}

int Win32ReportList::RowsPerPage() const {
    return static_cast<int>(Send(LVM_GETCOUNTPERPAGE, 0, 0));
}

void Win32ReportList::EnsureVisible(int row) {
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int Win32ReportList::ColumnWidth(int column) const {
    if (column < 0 || column >= columns_) return 0;
    return FromScreen(static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
}

void Win32ReportList::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= columns_) return;
    Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(ToScreen(width), 0));
}

}  // namespace varnolux
