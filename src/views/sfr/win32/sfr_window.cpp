#include "views/sfr/win32/sfr_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <mutex>

#include "views/frame/win32/child_controls.h"
#include "views/sfr/sfr_form.h"
#include "views/sfr/sfr_ids.h"
#include "views/sfr/sfr_view.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

void SetCell(HWND list, int row, int column, const std::string& text, bool insert) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, insert && column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                 reinterpret_cast<LPARAM>(&item));
}

// The list holds exactly these rows of cells, its rows kept where they are.
void ShowRows(HWND list, const std::vector<std::vector<std::string>>& rows) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    const int shown = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = shown; row > static_cast<int>(rows.size()); --row)
        SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(row - 1), 0);
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            SetCell(list, static_cast<int>(row), static_cast<int>(column), rows[row][column],
                    static_cast<int>(row) >= shown);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

SfrWindow::SfrWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
    : ListForm(
          WindowFrameOf(ViewKind::Sfr),
          {{ids::kSfrDisplayList, ControlBox{1, 2, 377, 405}, WS_TABSTOP, 0,
            kAnchorLeft | kAnchorTop | kAnchorBottom, kSfrDisplayColumns, kSfrDisplayColumnCount},
           {ids::kSfrSelectList, ControlBox{418, 2, 249, 405},
            WS_TABSTOP | WS_VSCROLL | LVS_SHOWSELALWAYS, LVS_EX_FULLROWSELECT, kAnchorAll,
            kSfrSelectColumns, kSfrSelectColumnCount}},
          StoredWidths{kSfrDefaultWidth, false}, session, os, prompts,
          session.settings.AlwaysOnTopSF, views),
      session_(session) {}

int SfrWindow::OpeningWidth(HWND list, const FormColumn& column, int index, int key) const {
    // The widest texts of the display list's columns, then the selection list's.
    static const char* const kWidest[] = {"BAUDCON1",  "$FF",      "255",
                                          "%11111111", "BAUDCON1", "$0FFF"};
    constexpr int kCellMargin = 12;
    const int stored = ListForm::OpeningWidth(list, column, index, key);
    if (key < 0 || key >= static_cast<int>(std::size(kWidest))) return stored;
    auto width = [list](const char* text) {
        return static_cast<int>(
            SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
    };
    return std::max(stored, std::max(width(kWidest[key]), width(column.header)) + kCellMargin);
}

void SfrWindow::ListsReady() {
    static const ChildControl kNote[] = {{ids::kSfrNote, "STATIC", "", SS_LEFTNOWORDWRAP, 0,
                                          ControlBox{4, 411, 660, 16},
                                          kAnchorLeft | kAnchorRight | kAnchorBottom}};
    CreateChildControls(Handle(), kNote, nullptr);
    Layout().Anchor(GetDlgItem(Handle(), ids::kSfrNote), kNote[0].anchors);
    choicesShown_ = false;
    Fill();
}

std::vector<size_t> SfrWindow::Chosen() const {
    std::vector<size_t> chosen;
    HWND list = List(1);
    for (int row = -1; (row = static_cast<int>(SendMessageA(
                            list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0;)
        chosen.push_back(static_cast<size_t>(row));
    return chosen;
}

void SfrWindow::Fill() {
    if (!Handle() || !List(0) || !List(1)) return;
    const std::vector<size_t> chosen = choicesShown_ ? Chosen() : std::vector<size_t>();
    SfrPicture picture;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        const RunState& run = session_.run;
        picture = SfrView({session_.device, session_.image, run.PortsReceived.load() == 1,
                           run.CommsEstablished.load() == 1},
                          chosen);
    }
    if (!choicesShown_) {
        std::vector<std::vector<std::string>> choices;
        for (const SfrChoice& c : picture.choices) choices.push_back({c.name, c.address});
        ShowRows(List(1), choices);
        choicesShown_ = true;
    }
    std::vector<std::vector<std::string>> rows;
    for (const SfrRow& r : picture.rows) rows.push_back({r.name, r.hex, r.dec, r.bin});
    ShowRows(List(0), rows);
    SetWindowTextA(GetDlgItem(Handle(), ids::kSfrNote), picture.note.c_str());
}

bool SfrWindow::OnListNotify(const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(ids::kSfrSelectList) ||
        header.code != LVN_ITEMCHANGED)
        return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) &&
        choicesShown_)
        Fill();
    return true;
}

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
