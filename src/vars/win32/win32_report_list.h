#pragma once
// ReportList on a Win32 list view in report mode (LVM_* messages). The row
// image is shown in one chosen column; check boxes use state images 1 and 2.
#include <windows.h>

#include "seams/report_list.h"

namespace varnolux {

class Win32ReportList : public ReportList {
  public:
    Win32ReportList(HWND list, int columns, int imageColumn)
        : list_(list), columns_(columns), imageColumn_(imageColumn) {}

    HWND Handle() const { return list_; }
    // True while this object itself changes the list, so the owner can tell the
    // notifications of its own changes from the user's clicks.
    bool Changing() const { return changing_ > 0; }

    int RowCount() const override;
    void InsertRow(int row) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    std::string CellText(int row, int column) const override;
    void SetCellText(int row, int column, const std::string& text) override;
    int RowImage(int row) const override;
    void SetRowImage(int row, int image) override;
    bool IsChecked(int row) const override;
    void SetChecked(int row, bool checked) override;
    uint32_t ItemData(int row) const override;
    void SetItemData(int row, uint32_t data) override;
    bool IsSelected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void Sort(const std::function<int(uint32_t, uint32_t)>& compare) override;
    void SetRedraw(bool on) override;
    void RedrawRow(int row) override;
    void RedrawAll() override;
    int FirstVisibleRow() const override;
    int RowsPerPage() const override;
    void EnsureVisible(int row) override;
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;

  private:
    struct Changing_ {
        explicit Changing_(int& depth) : depth_(depth) { ++depth_; }
        ~Changing_() { --depth_; }
        int& depth_;
    };
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND list_;
    int columns_;
    int imageColumn_;
    int changing_ = 0;
    int redrawOffDepth_ = 0;
};

}  // namespace varnolux
