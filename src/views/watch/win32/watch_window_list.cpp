#include <mutex>

#include "views/frame/win32/list_controls.h"
#include "views/watch/watch_commands.h"
#include "views/watch/watch_ids.h"
#include "views/watch/watch_rows.h"
#include "views/watch/win32/watch_window.h"

namespace varnolux {

namespace {

// Row and column of the list under a point of its client area (-1 when none).
void HitTest(HWND list, POINT at, int* row, int* column) {
    LVHITTESTINFO hit{};
    hit.pt = at;
    SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    *row = hit.iItem;
    *column = hit.iItem >= 0 ? hit.iSubItem : -1;
}

}  // namespace

bool WatchWindow::OnNotify(const NMHDR& header, LRESULT* result) {
    if (!list_ || header.hwndFrom != list_->Handle()) return false;
    *result = 0;
    if (list_->OnNotify(header)) return true;
    switch (header.code) {
        case LVN_COLUMNCLICK:
            // Only the Label header sorts, and only once a project is loaded.
            if (reinterpret_cast<const NMLISTVIEW&>(header).iSubItem != kWatchColLabel ||
                session_.run.ProjectLoaded.load() != 1)
                return true;
            descending_ = !descending_;
            SortWatchRows(*list_, descending_);
            return true;
        case NM_DBLCLK: {
            int row = -1, column = -1;
            HitTest(list_->Handle(), reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction, &row,
                    &column);
            if (row < 0) return true;
            const std::string label = list_->CellText(row, kWatchColLabel);
            mainList_.Run([&label](ListContext& c) { RemoveWatch(c, label); });
            return true;
        }
        case NM_RCLICK: {
            WatchClick click;
            HitTest(list_->Handle(), reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction,
                    &click.row, &click.column);
            if (click.row >= 0) click.label = list_->CellText(click.row, kWatchColLabel);
            click_ = click;
            return true;
        }
        case NM_CUSTOMDRAW:
            *result = DrawCells(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)),
                                [this](int row, int column) {
                                    const std::string label = list_->CellText(row, kWatchColLabel);
                                    std::lock_guard<std::mutex> lock(session_.recordsLock);
                                    return WatchCellColours(session_, label, row, column);
                                });
            return true;
        default:
            return false;
    }
}

void WatchWindow::OnHeaderRightClick() {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_->Handle(), LVM_GETHEADER, 0, 0));
    HDHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(header, &hit.pt);
    SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    WatchClick click;
    click.header = hit.iItem;
    click_ = click;
}

LRESULT CALLBACK WATCHFORM_LISTVIEW_SUBCLASSPROC(HWND list, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        RemoveSubclass(list);
        return CallWindowProcA(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC)),
                               list, message, wParam, lParam);
    }
    if (message == WM_NOTIFY) {
        // The header's right click reaches the list, not the window.
        const auto* notify = reinterpret_cast<const NMHDR*>(lParam);
        auto* self = static_cast<WatchWindow*>(
            reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(GetParent(list), GWLP_USERDATA)));
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        if (self && notify->hwndFrom == header && notify->code == NM_RCLICK)
            self->OnHeaderRightClick();
    }
    return CallPreviousProc(list, message, wParam, lParam);
}

}  // namespace varnolux
