#include "vars/win32/owner_data_list.h"

#include <algorithm>

namespace varnolux {

namespace {

void CopyText(NMLVDISPINFOA& info, const std::string& text) {
    if (!info.item.pszText || info.item.cchTextMax <= 0) return;
    const size_t n = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
    text.copy(info.item.pszText, n);
    info.item.pszText[n] = '\0';
}

// The texts are in the code page, as the list would have taken them through
// its ANSI messages.
void CopyText(NMLVDISPINFOW& info, const std::string& text) {
    if (!info.item.pszText || info.item.cchTextMax <= 0) return;
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      info.item.pszText, info.item.cchTextMax - 1);
    info.item.pszText[std::max(n, 0)] = L'\0';
}

}  // namespace

OwnerDataList::OwnerDataList(HWND list, int columns, int imageColumn)
    : ListViewControl(list, columns), imageColumn_(imageColumn), rows_(columns) {
    Send(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
}

template <class Info>
void OwnerDataList::Answer(Info& info, void (*copy)(Info&, const std::string&)) const {
    auto& item = info.item;
    const int row = item.iItem;
    if (row < 0 || row >= rows_.RowCount()) return;
    if (item.mask & LVIF_TEXT) copy(info, rows_.CellText(row, item.iSubItem));
    if (item.mask & LVIF_IMAGE)
        item.iImage = item.iSubItem == imageColumn_ ? rows_.RowImage(row) : I_IMAGENONE;
    if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK))
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                     INDEXTOSTATEIMAGEMASK(rows_.IsChecked(row) ? 2 : 1);
    if (item.mask & LVIF_INDENT) item.iIndent = 0;
}

bool OwnerDataList::OnNotify(const NMHDR& header) {
    auto& any = const_cast<NMHDR&>(header);
    switch (header.code) {
        case LVN_GETDISPINFOA:
            Answer<NMLVDISPINFOA>(reinterpret_cast<NMLVDISPINFOA&>(any), &CopyText);
            return true;
        case LVN_GETDISPINFOW:
            Answer<NMLVDISPINFOW>(reinterpret_cast<NMLVDISPINFOW&>(any), &CopyText);
            return true;
        default:
            return false;
    }
}

void OwnerDataList::SyncControl() const {
    if (shownCount_ == rows_.RowCount()) return;
    shownCount_ = rows_.RowCount();
    Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(shownCount_),
         LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

std::vector<int> OwnerDataList::SelectedRows() const {
    std::vector<int> selected;
    for (int row = 0; row < rows_.RowCount(); ++row)
        if (rows_.IsSelected(row)) selected.push_back(row);
    return selected;
}

void OwnerDataList::PullSelection() {
    if (pulled_) return;
    pulled_ = true;
    for (int row : SelectedRows()) rows_.SetSelected(row, false);
    if (Send(LVM_GETSELECTEDCOUNT, 0, 0) == 0) return;
    for (int row = -1;;) {
        const int next =
            static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (next <= row || next >= shownCount_) break;
        rows_.SetSelected(next, true);
        row = next;
    }
}

void OwnerDataList::DrawingOffBegins() {
    controlOff_ = repaintAll_ = false;
    dirtyColumns_ = 0;
}

void OwnerDataList::DrawingBack() {
    GiveSelectionBack();
    if (controlOff_) Send(WM_SETREDRAW, TRUE, 0);
    if (controlOff_ || repaintAll_) {
        InvalidateRows();
    } else {
        for (int column = 0; column < columns_ && column < kTrackedColumns; ++column)
            if (dirtyColumns_ & (1u << column)) InvalidateColumn(column);
    }
    DrawingOffBegins();
}

void OwnerDataList::GiveSelectionBack() {
    if (!pulled_) return;
    pulled_ = false;
    ChangingGuard guard(changing_);
    SyncControl();
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED;
    for (int row : SelectedRows())
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void OwnerDataList::Changed(int row, int column) {
    if (!DrawingOff()) {
        GiveSelectionBack();
        if (row < 0)
            ListViewControl::RedrawAll();
        else
            ListViewControl::RedrawRow(row);
        return;
    }
    if (row < 0 && !controlOff_) {
        Send(WM_SETREDRAW, FALSE, 0);
        controlOff_ = true;
    }
    if (row >= 0 && column >= 0)
        MarkColumn(column);
    else
        repaintAll_ = true;
}

void OwnerDataList::MarkColumn(int column) {
    if (column >= 0 && column < kTrackedColumns)
        dirtyColumns_ |= 1u << column;
    else
        repaintAll_ = true;
}

void OwnerDataList::RedrawRow(int row) {
    Changed(row, -1);
}

void OwnerDataList::RedrawAll() {
    if (DrawingOff())
        repaintAll_ = true;
    else
        ListViewControl::RedrawAll();
}

void OwnerDataList::RedrawColumn(int column) {
    if (DrawingOff())
        MarkColumn(column);
    else
        ListViewControl::RedrawColumn(column);
}

void OwnerDataList::RedrawCell(int row, int column) {
    if (DrawingOff())
        MarkColumn(column);
    else
        ListViewControl::RedrawCell(row, column);
}

// The rows carry their selection as a plain list's do: it is taken from the
// control before rows move, and given back when drawing comes back.
void OwnerDataList::InsertRow(int row) {
    PullSelection();
    rows_.InsertRow(row);
    Changed(-1, -1);
}

void OwnerDataList::DeleteRow(int row) {
    if (row < 0 || row >= rows_.RowCount()) return;
    PullSelection();
    rows_.DeleteRow(row);
    Changed(-1, -1);
}

void OwnerDataList::DeleteAllRows() {
    PullSelection();
    rows_.DeleteAllRows();
    Changed(-1, -1);
}

void OwnerDataList::SetCellText(int row, int column, const std::string& text) {
    if (rows_.CellText(row, column) == text) return;
    rows_.SetCellText(row, column, text);
    Changed(row, column);
}

void OwnerDataList::SetRowImage(int row, int image) {
    if (rows_.RowImage(row) == image) return;
    rows_.SetRowImage(row, image);
    Changed(row, imageColumn_);
}

void OwnerDataList::SetChecked(int row, bool checked) {
    if (rows_.IsChecked(row) == checked) return;
    rows_.SetChecked(row, checked);
    Changed(row, 0);
}

bool OwnerDataList::IsSelected(int row) const {
    if (pulled_) return rows_.IsSelected(row);
    SyncControl();
    return Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
}

void OwnerDataList::SetSelected(int row, bool selected) {
    if (row < 0 || row >= rows_.RowCount()) return;
    PullSelection();
    rows_.SetSelected(row, selected);
    Changed(row, -1);
}

void OwnerDataList::Sort(const std::function<int(uint32_t, uint32_t)>& compare) {
    PullSelection();
    rows_.Sort(compare);
    Changed(-1, -1);
}

}  // namespace varnolux
