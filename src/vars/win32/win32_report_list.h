#pragma once
// ReportList on a Win32 list view in report mode (LVM_* messages). The row
// image is shown in one chosen column; check boxes use state images 1 and 2.
#include <windows.h>

#include "vars/win32/list_view_control.h"

namespace varnolux {

class Win32ReportList : public ListViewControl {
  public:
    Win32ReportList(HWND list, int columns, int imageColumn)
        : ListViewControl(list, columns), imageColumn_(imageColumn) {}

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

  private:
    int imageColumn_;
};

}  // namespace varnolux
