#pragma once
// ReportList on an owner-data list view (LVS_OWNERDATA): the rows live in a
// MemoryReportList, and the control asks for the texts, images and check boxes
// of the rows it draws. A change to rows nobody sees costs no call to the
// control; a batch that only changed cells repaints their columns on screen,
// one that moved rows the whole list. Selection is the control's, carried by
// the rows while they move.
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
    void RedrawRow(int row) override;
    void RedrawAll() override;
    void RedrawColumn(int column) override;
    void RedrawCell(int row, int column) override;

  private:
    // Tells the control the number of rows when it changed since it was last told.
    void SyncControl() const override;
    // The control keeps drawing until rows move (see Changed).
    void DrawingOffBegins() override;
    // Gives the selection back and repaints what the batch changed.
    void DrawingBack() override;
    // Gives the control the selection the rows carried (see PullSelection).
    void GiveSelectionBack();
    // The rows marked selected.
    std::vector<int> SelectedRows() const;
    // The control keeps selection by position: before rows move it is marked
    // on the rows, which carry it, and afterwards given back to the control.
    void PullSelection();
    // What changed: rows moved (row < 0), a whole row (column < 0) or one
    // cell. Repainted now while drawing is on; otherwise kept until drawing
    // comes back, and when rows move the control stops drawing until then.
    void Changed(int row, int column);
    // A column to repaint when drawing comes back (the whole list past the
    // columns a bit set can hold).
    void MarkColumn(int column);
    template <class Info>
    void Answer(Info& info, void (*copy)(Info&, const std::string&)) const;

    int imageColumn_;
    MemoryReportList rows_;
    mutable int shownCount_ = 0;
    bool pulled_ = false;
    // The batch in progress: the control told to stop drawing, the whole list
    // to repaint, the columns to repaint (bit per column).
    bool controlOff_ = false;
    bool repaintAll_ = false;
    static constexpr int kTrackedColumns = 32;
    uint32_t dirtyColumns_ = 0;
};

}  // namespace varnolux
