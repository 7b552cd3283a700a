#include "vars/win32/win32_report_list.h"

#include <commctrl.h>

namespace varnolux {

int Win32ReportList::RowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

void Win32ReportList::InsertRow(int row) {
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
    Send(LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void Win32ReportList::DeleteAllRows() {
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
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
    ChangingGuard guard(changing_);
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare), reinterpret_cast<LPARAM>(&CompareRows));
}

}  // namespace varnolux
