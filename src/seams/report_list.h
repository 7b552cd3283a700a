#pragma once
// A report-style list view: rows of text cells, a row image, a check box, a
// 32-bit item data, selection, and the view's drawing and scrolling state.
// Win32 wraps a list-view HWND; tests and the console use MemoryReportList.
#include <cstdint>
#include <functional>
#include <string>

namespace varnolux {

class ReportList {
  public:
    virtual ~ReportList() = default;

    virtual int RowCount() const = 0;
    // Inserts an empty, unchecked, unselected row with image 0 before `row`
    // (row == RowCount() appends).
    virtual void InsertRow(int row) = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;

    virtual std::string CellText(int row, int column) const = 0;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    virtual int RowImage(int row) const = 0;
    virtual void SetRowImage(int row, int image) = 0;
    virtual bool IsChecked(int row) const = 0;
    // Programmatic changes of the box; the list's owner does not treat them as
    // a user's click.
    virtual void SetChecked(int row, bool checked) = 0;
    virtual uint32_t ItemData(int row) const = 0;
    virtual void SetItemData(int row, uint32_t data) = 0;
    virtual bool IsSelected(int row) const = 0;
    virtual void SetSelected(int row, bool selected) = 0;

    // Orders the rows with a comparison of two rows' item data (negative: the
    // first goes before the second). Cells, images and boxes travel with rows.
    virtual void Sort(const std::function<int(uint32_t, uint32_t)>& compare) = 0;

    virtual void SetRedraw(bool on) = 0;
    virtual void RedrawRow(int row) = 0;
    virtual void RedrawAll() = 0;
    // Repaints one column of the rows on screen: what a dump changes without
    // changing the rows themselves.
    virtual void RedrawColumn(int column) = 0;
    // Repaints one cell: a highlight that changed while its text did not.
    virtual void RedrawCell(int row, int column) = 0;
    virtual int FirstVisibleRow() const = 0;
    virtual int RowsPerPage() const = 0;
    virtual void EnsureVisible(int row) = 0;
    virtual int ColumnWidth(int column) const = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
};

// Switches a list's drawing off for the lifetime of the guard.
class RedrawOff {
  public:
    explicit RedrawOff(ReportList& list) : list_(list) { list_.SetRedraw(false); }
    ~RedrawOff() { list_.SetRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

  private:
    ReportList& list_;
};

}  // namespace varnolux
