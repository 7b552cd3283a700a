#include "views/source/win32/source_window.h"

#include <mutex>

#include "vars/win32/win32_report_list.h"
#include "views/frame/win32/list_controls.h"
#include "views/source/source_ids.h"
#include "views/source/source_view.h"
#include "views/win32/window_frames.h"

namespace varnolux {

SourceWindow::SourceWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
    : ListForm(WindowFrameOf(ViewKind::Source),
               {{ids::kSourceList, ControlBox{3, 4, 669, 414}, WS_TABSTOP | WS_VSCROLL, 0,
                 kAnchorAll, kSourceColumns, kSourceColumnCount}},
               // A column without a stored width opens as created.
               StoredWidths{"0", true}, session, os, prompts, session.settings.AlwaysOnTopS, views),
      session_(session),
      os_(os) {}

CellColours SourceWindow::Colours(int row, int column) const {
    return BlackTextOn(SourceCellBackground(row, column, highlightRow_));
}

void SourceWindow::Fill() {
    HWND window = Handle();
    if (!window) return;
    int32_t dumpId = -1;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        dumpId = session_.image.DumpId;
    }
    // The dump point table and the source file list stay as the load left them.
    const SourceView view =
        BuildSourceView(session_.dumpPoints, session_.project, session_.settings, dumpId, os_);
    Win32ReportList list(List(0), kSourceColumnCount, 0);
    highlightRow_ = view.excerpt.highlightRow;
    WriteSourceRows(list, view.excerpt);
    ScrollToHighlight(static_cast<int>(view.excerpt.rows.size()));
    SetWindowTextA(window, view.title.c_str());
}

void SourceWindow::ScrollToHighlight(int rowCount) {
    HWND list = List(0);
    const int fit = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    const auto top = SourceScrollTop(highlightRow_, rowCount, fit);
    if (!top) return;
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (!SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return;
    const int current = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    SendMessageA(list, LVM_SCROLL, 0, (*top - current) * (row.bottom - row.top));
}

LRESULT CALLBACK SOURCEFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
