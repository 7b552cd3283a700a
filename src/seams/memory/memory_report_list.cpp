#include "seams/memory/memory_report_list.h"

#include <algorithm>

namespace varnolux {

MemoryReportList::MemoryReportList(int columns) : columns_(columns), widths_(columns, 50) {}

bool MemoryReportList::Valid(int row, int column) const {
    return Valid(row) && column >= 0 && column < columns_;
}

void MemoryReportList::InsertRow(int row) {
    row = std::clamp(row, 0, RowCount());
    Row r;
    r.cells.resize(columns_);
    rows_.insert(rows_.begin() + row, std::move(r));
}

void MemoryReportList::DeleteRow(int row) {
    if (Valid(row)) rows_.erase(rows_.begin() + row);
}

std::string MemoryReportList::CellText(int row, int column) const {
    return Valid(row, column) ? rows_[row].cells[column] : std::string();
}

void MemoryReportList::SetCellText(int row, int column, const std::string& text) {
    if (!Valid(row, column)) return;
    ++cellWrites;
    rows_[row].cells[column] = text;
}

int MemoryReportList::RowImage(int row) const {
    return Valid(row) ? rows_[row].image : -1;
}

void MemoryReportList::SetRowImage(int row, int image) {
    if (Valid(row)) rows_[row].image = image;
}

bool MemoryReportList::IsChecked(int row) const {
    return Valid(row) && rows_[row].checked;
}

void MemoryReportList::SetChecked(int row, bool checked) {
    if (Valid(row)) rows_[row].checked = checked;
}

uint32_t MemoryReportList::ItemData(int row) const {
    return Valid(row) ? rows_[row].data : 0;
}

void MemoryReportList::SetItemData(int row, uint32_t data) {
    if (Valid(row)) rows_[row].data = data;
}

bool MemoryReportList::IsSelected(int row) const {
    return Valid(row) && rows_[row].selected;
}

void MemoryReportList::SetSelected(int row, bool selected) {
    if (Valid(row)) rows_[row].selected = selected;
}

void MemoryReportList::Sort(const std::function<int(uint32_t, uint32_t)>& compare) {
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const Row& a, const Row& b) { return compare(a.data, b.data) < 0; });
}

void MemoryReportList::SetRedraw(bool on) {
    redrawOffDepth_ += on ? -1 : 1;
    if (redrawOffDepth_ < 0) redrawOffDepth_ = 0;
}

void MemoryReportList::RedrawRow(int row) {
    if (Valid(row)) ++rowRedraws;
}

void MemoryReportList::EnsureVisible(int row) {
    if (!Valid(row)) return;
    lastEnsuredVisible = row;
    if (row < firstVisible) firstVisible = row;
    if (row >= firstVisible + rowsPerPage) firstVisible = row - rowsPerPage + 1;
}

int MemoryReportList::ColumnWidth(int column) const {
    return column >= 0 && column < columns_ ? widths_[column] : 0;
}

void MemoryReportList::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < columns_) widths_[column] = width;
}

}  // namespace varnolux
