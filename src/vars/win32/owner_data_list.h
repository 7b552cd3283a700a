#pragma once
// ReportList on an owner-data list view (LVS_OWNERDATA): the rows live in a
// MemoryReportList, and the control asks for the texts, images and check boxes
// of the rows it draws. A change to rows nobody sees costs no call to the
// control; a refresh repaints what is on screen. Selection is the control's,
// carried by the rows while they move.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "seams/memory/memory_report_list.h"
#include "vars/win32/list_view_control.h"

namespace varnolux {

class OwnerDataList : public ListViewControl {
  public:
    // Sets the control's callback mask so check boxes come from the rows.
    OwnerDataList(HWND list, int columns, int imageColumn);

    // LVN_GETDISPINFO, in the parent's character set; true when it was one.
    bool OnNotify(const NMHDR& header);

    int RowCount() const override { return rows_.RowCount(); }
    void InsertRow(int row) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    std::string CellText(int row, int column) const override { return rows_.CellText(row, column); }
    void SetCellText(int row, int column, const std::string& text) override;
    int RowImage(int row) const override { return rows_.RowImage(row); }
    void SetRowImage(int row, int image) override;
    bool IsChecked(int row) const override { return rows_.IsChecked(row); }
    void SetChecked(int row, bool checked) override;
    uint32_t ItemData(int row) const override { return rows_.ItemData(row); }
    void SetItemData(int row, uint32_t data) override { rows_.SetItemData(row, data); }
    bool IsSelected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void Sort(const std::function<int(uint32_t, uint32_t)>& compare) override;

  private:
    // Tells the control the number of rows when it changed since it was last told.
    void SyncControl() const override;
    // Gives the control the selection the rows carried (see PullSelection).
    void DrawingBack() override;
    // The rows marked selected.
    std::vector<int> SelectedRows() const;
    // The control keeps selection by position: before rows move it is marked
    // on the rows, which carry it, and afterwards given back to the control.
    void PullSelection();
    // A row whose look changed: repainted now while drawing is on, with the
    // whole list when drawing comes back otherwise.
    void Changed(int row);
    template <class Info>
    void Answer(Info& info, void (*copy)(Info&, const std::string&)) const;

    int imageColumn_;
    MemoryReportList rows_;
    mutable int shownCount_ = 0;
    bool pulled_ = false;
};

}  // namespace varnolux
