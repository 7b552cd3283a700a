#include "views/frame/win32/list_form.h"

#include "seams/win32/dpi_scale.h"
#include "views/frame/win32/list_controls.h"

namespace varnolux {

ListForm::ListForm(const WindowFrame& frame, std::vector<FormList> lists, StoredWidths widths,
                   Session& session, HostOs& os, Prompts& prompts, int32_t& alwaysOnTop,
                   const Win32Views& views)
    : PlacedWindow(frame, session, os, prompts, alwaysOnTop, &views),
      lists_(std::move(lists)),
      widths_(widths) {}

void ListForm::Fill() {
    if (!Handle()) return;
    for (HWND list : handles_) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

int ListForm::OpeningWidth(HWND, const FormColumn& column, int, int key) const {
    return ToScreen(StoredColumnWidth(key, widths_.missing,
                                      widths_.zeroGivesCreated ? column.createdWidth : 0));
}

void ListForm::OnCreate(HWND window) {
    handles_.clear();
    for (const FormList& l : lists_) {
        HWND list = CreateReportList(window, l.id, l.created.x, l.created.y, l.created.width,
                                     l.created.height, l.style, WS_EX_CLIENTEDGE);
        if (l.extendedStyle)
            SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, l.extendedStyle, l.extendedStyle);
        for (int c = 0; c < l.columnCount; ++c)
            AddListColumn(list, c, l.columns[c].header, l.columns[c].createdWidth);
        handles_.push_back(list);
    }
    Layout().Attach(window);
    for (size_t i = 0; i < lists_.size(); ++i) Layout().Anchor(handles_[i], lists_[i].anchors);
}

bool ListForm::Initialise(HWND) {
    int key = 0;
    for (size_t i = 0; i < lists_.size(); ++i) {
        HWND list = handles_[i];
        if (!list) return false;
        if (Font()) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
        SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
        for (int c = 0; c < lists_[i].columnCount; ++c, ++key)
            SendMessageA(list, LVM_SETCOLUMNWIDTH, c,
                         OpeningWidth(list, lists_[i].columns[c], c, key));
    }
    ListsReady();
    return true;
}

bool ListForm::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
    if (message == WM_NOTIFY && OnListNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
        *result = 0;
        return true;
    }
    return DrawListCells(
        message, lParam, lists_.front().id,
        [this](int row, int column) { return Colours(row, column); }, result);
}

void ListForm::SaveOnClose(FormCloseState frame, bool) {
    for (size_t i = 0; i < lists_.size(); ++i) {
        const std::vector<int32_t> widths = ListColumnWidths(handles_[i], lists_[i].columnCount);
        frame.columnWidths.insert(frame.columnWidths.end(), widths.begin(), widths.end());
    }
    SaveFormKeys(frame);
}

}  // namespace varnolux
