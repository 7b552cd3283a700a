#include "vars/win32/main_list_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <mutex>

#include "seams/main_ids.h"
#include "seams/win32/dpi_scale.h"
#include "vars/list_commands.h"
#include "vars/list_operation.h"
#include "vars/main_list.h"
#include "vars/win32/list_cell_draw.h"

namespace varnolux {

namespace {

struct ColumnSpec {
    const char* header;
    int format;
    int width;
};
const ColumnSpec kColumns[kMainListColumns] = {
    {"Watch", LVCFMT_LEFT, 28},       {"Label", LVCFMT_LEFT, 164},
    {"Type", LVCFMT_CENTER, 80},      {"Address", LVCFMT_CENTER, 63},
    {"Value     ", LVCFMT_RIGHT, 75}, {"Previous", LVCFMT_RIGHT, 70},
    {"Comment", LVCFMT_LEFT, 70},
};

}  // namespace

MainListView::MainListView(Session& session, Seams& seams) : session_(session), seams_(seams) {}

MainListView::~MainListView() {
    if (hwnd_ && previous_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    }
}

void MainListView::Attach(HWND list) {
    hwnd_ = list;
    list_ = std::make_unique<OwnerDataList>(list, kMainListColumns, kColLabel);
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT |
                           LVS_EX_SUBITEMIMAGES | LVS_EX_BORDERSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    for (int i = 0; i < kMainListColumns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = ToScreen(kColumns[i].width);
        column.pszText = const_cast<char*>(kColumns[i].header);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    // The view rides in the list's user data, which the control leaves to its
    // owner: reading it costs nothing, where a window property is a round trip
    // to the Wine server at every message.
    SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&VARNOLUXMAIN_LISTVIEW1_SUBCLASSPROC)));
}

void MainListView::Run(const std::function<void(ListContext&)>& op) {
    if (!list_) return;
    RunListOperation(session_, *list_, seams_.prompts, seams_.views, [&](ListContext& ctx) {
        inOperation_ = true;
        op(ctx);
        inOperation_ = false;
    });
}

void MainListView::ApplyColumnWidths(const Settings& settings) {
    if (!list_) return;
    for (int i = 0; i < kMainListColumns; ++i) {
        int width = settings.Column[i] > 0 ? settings.Column[i] : kColumns[i].width;
        if (i == kColComment && settings.ViewComments == 0) width = 0;
        list_->SetColumnWidth(i, width);
    }
}

void MainListView::HitTest(POINT at, int* row, int* column) const {
    LVHITTESTINFO hit{};
    hit.pt = at;
    SendMessageA(hwnd_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    *row = hit.iItem;
    *column = hit.iItem >= 0 ? hit.iSubItem : -1;
}

bool MainListView::OnNotify(const NMHDR& header, LRESULT* result) {
    if (!list_ || header.hwndFrom != hwnd_) return false;
    *result = 0;
    if (list_->OnNotify(header)) return true;
    ListState& state = session_.list;
    switch (header.code) {
        case LVN_COLUMNCLICK: {
            const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
            Run([column](ListContext& c) { SortList(c, column); });
            return true;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (list_->Changing() || !(change.uChanged & LVIF_STATE) || change.iItem < 0)
                return true;
            const UINT now = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
            const UINT before = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
            if (before == 0 || now == before || (now != 1 && now != 2)) return true;
            boxToggled_ = true;
            CheckToggled(change.iItem, now == 2);
            return true;
        }
        case NM_CLICK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            LVHITTESTINFO hit{};
            hit.pt = click.ptAction;
            SendMessageA(hwnd_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) && !boxToggled_)
                CheckToggled(hit.iItem, !list_->IsChecked(hit.iItem));
            int row = -1, column = -1;
            HitTest(click.ptAction, &row, &column);
            const bool expander = state.ExpanderPress != 0;
            state.ExpanderPress = 0;
            if (expander && row >= 0) Run([row](ListContext& c) { ToggleRow(c, row); });
            return true;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            int row = -1, column = -1;
            HitTest(click.ptAction, &row, &column);
            if (row < 0) return true;
            if (column == kColLabel) Run([row](ListContext& c) { ToggleRow(c, row); });
            if (column == kColValue && openModify) openModify(row, column);
            return true;
        }
        case NM_RCLICK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            int row = -1, column = -1;
            HitTest(click.ptAction, &row, &column);
            Run([row, column](ListContext& c) { RightClickCell(c, row, column); });
            return true;
        }
        case NM_CUSTOMDRAW:
            *result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
            return true;
        default:
            return false;
    }
}

void MainListView::CheckToggled(int row, bool checked) {
    // An owner-data list draws the box from the rows: the row takes the new
    // state first, and the watch logic decides from there.
    list_->SetChecked(row, checked);
    Run([row, checked](ListContext& c) { WatchCheckChanged(c, row, checked); });
}

LRESULT MainListView::CustomDraw(NMLVCUSTOMDRAW& draw) {
    return DrawCells(draw, [this](int row, int column) {
        ListContext ctx(session_, *list_);
        // A row drawn while an operation of this list runs (the lock is ours
        // already) reads the records as they are; otherwise under the lock.
        if (inOperation_) return DrawListCell(ctx, row, column);
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        return DrawListCell(ctx, row, column);
    });
}

void MainListView::OnInitMenu(HMENU menu) {
    // The context menu is recognised by its items; other menus are left alone.
    bool isContext = false;
    for (int id : ContextMenuItemIds())
        if (GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1)) isContext = true;
    if (!list_ || !isContext) return;
    for (int id : ContextMenuItemIds()) DeleteMenu(menu, id, MF_BYCOMMAND);
    std::vector<int> items;
    Run([&items](ListContext& c) { items = AssembleContextMenu(c); });
    for (int id : items)
        AppendMenuA(menu, MF_STRING | MF_ENABLED, id, ContextMenuItemText(id).c_str());
}

bool MainListView::OnCommand(int id) {
    int radix = 0;
    if (id == ids::kRadioDec) radix = DT_DECIMAL;
    if (id == ids::kRadioHex) radix = DT_HEX;
    if (id == ids::kRadioBin) radix = DT_BINARY;
    if (radix != 0) {
        Run([radix](ListContext& c) { RadixButton(c, radix); });
        return true;
    }
    bool handled = false;
    Run([&](ListContext& c) { handled = RunListCommand(c, id, seams_.os); });
    return handled;
}

LRESULT MainListView::Subclass(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN: {
            boxToggled_ = false;
            RECT first{};
            HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
            SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
            const int x = GET_X_LPARAM(lParam);
            session_.list.ExpanderPress = x >= first.right + 2 && x <= first.right + 18 ? 1 : 0;
            break;
        }
        case WM_NOTIFY: {
            const auto* notify = reinterpret_cast<const NMHDR*>(lParam);
            HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
            if (notify->hwndFrom != header) break;
            // Header notifications also arrive while a list operation changes a
            // column (the lock is held then); the click state is the UI
            // thread's own and needs no lock.
            ListContext ctx(session_, *list_);
            if (notify->code == NM_RCLICK) {
                HDHITTESTINFO hit{};
                GetCursorPos(&hit.pt);
                ScreenToClient(header, &hit.pt);
                SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
                RightClickHeader(ctx, hit.iItem);
            } else if (notify->code != NM_CUSTOMDRAW) {
                RightClickHeader(ctx, -1);
            }
            break;
        }
        case WM_NCDESTROY: {
            WNDPROC previous = previous_;
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            previous_ = nullptr;
            return CallWindowProcA(previous, hwnd_, message, wParam, lParam);
        }
        default:
            break;
    }
    return CallWindowProcA(previous_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK VARNOLUXMAIN_LISTVIEW1_SUBCLASSPROC(HWND list, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
    auto* self = reinterpret_cast<MainListView*>(GetWindowLongPtrA(list, GWLP_USERDATA));
    if (!self || !self->previous_) return DefWindowProcA(list, message, wParam, lParam);
    return self->Subclass(message, wParam, lParam);
}

}  // namespace varnolux
