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
