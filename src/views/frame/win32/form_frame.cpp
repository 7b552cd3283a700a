#include "views/frame/win32/form_frame.h"

#include "seams/win32/dpi_scale.h"
#include "views/frame/dock_snap.h"

namespace varnolux {

void PlaceForm(HWND form, const Rect& normal, bool topmost) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form, &placement);
    placement.showCmd = SW_SHOW;
    placement.rcNormalPosition = RECT{normal.left, normal.top, normal.right, normal.bottom};
    SetWindowPlacement(form, &placement);
    SetWindowPos(form, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

HWND CreateReportList(HWND form, int id, int x, int y, int width, int height, DWORD style,
                      DWORD exStyle) {
    return CreateWindowExA(exStyle, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, x,
                           y, width, height, form,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void AddListColumn(HWND list, int column, const char* header, int width) {
    LVCOLUMNA c{};
    c.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.fmt = LVCFMT_LEFT;
    c.cx = ToScreen(width);
    c.pszText = const_cast<char*>(header);
    c.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&c));
}

LRESULT DrawCellsOn(NMLVCUSTOMDRAW& draw,
                    const std::function<Rgb(int row, int column)>& background) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const Rgb back = background(static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem);
            draw.clrText = RGB(0, 0, 0);
            draw.clrTextBk = RGB(back.r, back.g, back.b);
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

FormCloseState ReadCloseState(HWND form, const std::vector<std::pair<HWND, int>>& lists) {
    FormCloseState state;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(form, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        state.placementAvailable = true;
        state.normal = Rect{r.left, r.top, r.right, r.bottom};
    }
    state.topmost = (GetWindowLongPtrA(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (const auto& [list, columns] : lists)
        for (int c = 0; c < columns; ++c)
            state.columnWidths.push_back(
                FromScreen(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0))));
    return state;
}

HWND DockReference(HWND mainWindow, HWND watchWindow) {
    return mainWindow && IsIconic(mainWindow) ? watchWindow : mainWindow;
}

void DockAfterMove(HWND form, HWND reference, int32_t snapSize) {
    if (!reference || !IsWindowVisible(reference) || IsIconic(reference) || IsIconic(form)) return;
    const Rect now = WindowRectOf(form);
    const Rect docked = DockBeside(now, WindowRectOf(reference), snapSize);
    if (docked == now) return;
    SetWindowPos(form, nullptr, docked.left, docked.top, docked.right - docked.left,
                 docked.bottom - docked.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace varnolux
