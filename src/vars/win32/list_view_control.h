#pragma once
// What every ReportList on a Win32 list view shares: the control's drawing
// switch, repaints, scrolling and column widths, and the flag that tells the
// owner the notifications of its own changes from the user's clicks. The rows
// themselves are the derived class's: in the control or in memory.
#include <windows.h>

#include "seams/report_list.h"

namespace varnolux {

class ListViewControl : public ReportList {
  public:
    HWND Handle() const { return list_; }
    // True while this object itself changes the list.
    bool Changing() const { return changing_ > 0; }

    // Nested switches: drawing comes back when the outermost one ends, and
    // then what changed is repainted (DrawingBack).
    void SetRedraw(bool on) override;
    // Nothing while drawing is off: the list is repainted when it comes back.
    void RedrawRow(int row) override;
    void RedrawAll() override;
    void RedrawColumn(int column) override;
    void RedrawCell(int row, int column) override;
    int FirstVisibleRow() const override;
    int RowsPerPage() const override;
    void EnsureVisible(int row) override;
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;

  protected:
    ListViewControl(HWND list, int columns) : list_(list), columns_(columns) {}
    struct ChangingGuard {
        explicit ChangingGuard(int& depth) : depth_(depth) { ++depth_; }
        ~ChangingGuard() { --depth_; }
        int& depth_;
    };
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool DrawingOff() const { return redrawOffDepth_ > 0; }
    // Brings the control up to date before it is asked or drawn.
    virtual void SyncControl() const {}
    // The outermost switch turned drawing off: the control stops drawing.
    virtual void DrawingOffBegins();
    // The outermost switch turned drawing on again: the control draws again
    // and the whole list is repainted.
    virtual void DrawingBack();
    // Repaints one column of the rows on screen at once.
    void InvalidateColumn(int column);
    // Repaints every row on screen. The header above them stays as it is: it
    // is a child of the list, and a repaint that reaches it redraws it whole.
    void InvalidateRows();
    // The cell's rectangle in the list's client area; false for no such cell.
    bool CellRect(int row, int column, RECT& cell) const;

    HWND list_;
    int columns_;
    int changing_ = 0;

  private:
    int redrawOffDepth_ = 0;
};

}  // namespace varnolux
