#pragma once
// A report list held in memory, for tests, benchmarks and the console. It also
// counts what a real list view would have to repaint.
#include <utility>
#include <vector>

#include "seams/report_list.h"

namespace varnolux {

class MemoryReportList : public ReportList {
  public:
    explicit MemoryReportList(int columns = 7);

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    void InsertRow(int row) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override { rows_.clear(); }
    std::string CellText(int row, int column) const override;
    void SetCellText(int row, int column, const std::string& text) override;
    int RowImage(int row) const override { return Field(row, &Row::image, -1); }
    void SetRowImage(int row, int image) override { SetField(row, &Row::image, image); }
    bool IsChecked(int row) const override { return Field(row, &Row::checked, false); }
    void SetChecked(int row, bool checked) override { SetField(row, &Row::checked, checked); }
    uint32_t ItemData(int row) const override { return Field(row, &Row::data, 0u); }
    void SetItemData(int row, uint32_t data) override { SetField(row, &Row::data, data); }
    bool IsSelected(int row) const override { return Field(row, &Row::selected, false); }
    void SetSelected(int row, bool selected) override { SetField(row, &Row::selected, selected); }
    void Sort(const std::function<int(uint32_t, uint32_t)>& compare) override;
    void SetRedraw(bool on) override;
    void RedrawRow(int row) override;
    void RedrawAll() override { ++fullRedraws; }
    void RedrawColumn(int column) override { redrawnColumns.push_back(column); }
    void RedrawCell(int row, int column) override { redrawnCells.emplace_back(row, column); }
    int FirstVisibleRow() const override { return firstVisible; }
    int RowsPerPage() const override { return rowsPerPage; }
    void EnsureVisible(int row) override;
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;

    bool DrawingOn() const { return redrawOffDepth_ == 0; }

    int firstVisible = 0;
    int rowsPerPage = 12;
    int cellWrites = 0;                             // SetCellText calls
    int rowRedraws = 0;                             // RedrawRow calls
    int fullRedraws = 0;                            // RedrawAll calls
    std::vector<int> redrawnColumns;                // RedrawColumn calls, in order
    std::vector<std::pair<int, int>> redrawnCells;  // RedrawCell calls: row, column
    int lastEnsuredVisible = -1;

  private:
    struct Row {
        std::vector<std::string> cells;
        int image = 0;
        bool checked = false;
        bool selected = false;
        uint32_t data = 0;
    };
    bool Valid(int row) const { return row >= 0 && row < RowCount(); }
    bool Valid(int row, int column) const;
    // A field of a row; `none` for a row that is not there.
    template <typename T>
    T Field(int row, T Row::*field, T none) const {
        return Valid(row) ? rows_[row].*field : none;
    }
    // Sets a field of a row that is there.
    template <typename T>
    void SetField(int row, T Row::*field, T value) {
        if (Valid(row)) rows_[row].*field = value;
    }

    int columns_;
    std::vector<Row> rows_;
    std::vector<int> widths_;
    int redrawOffDepth_ = 0;
};

}  // namespace varnolux
