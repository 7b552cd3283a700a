#pragma once
// What the Source, EEPROM and SFR windows share on Win32: their window object
// behind the window procedure, placement and topmost state from the settings,
// a fixed-pitch font, report lists with
// coloured cells, the state read at closing, and docking after a move.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "layout/window_placement.h"
#include "vars/main_list.h"
#include "views/frame/form_settings.h"
#include "views/frame/win32/aux_frame.h"
#include "views/frame/win32/point_font.h"

namespace varnolux {

// The window object stored in the window's user data at WM_NCCREATE (from the
// creation parameter); null before that.
template <class Form>
Form* FormOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Shows the form with `normal` as its normal rectangle, topmost or not.
void PlaceForm(HWND form, const Rect& normal, bool topmost);

// A report list view child of `form`; `style` and `exStyle` add to the list's own.
HWND CreateReportList(HWND form, int id, int x, int y, int width, int height, DWORD style,
                      DWORD exStyle);
void AddListColumn(HWND list, int column, const char* header, int width);

// Custom draw of a report list: each cell on the background the function gives
// for its row and column, black text.
LRESULT DrawCellsOn(NMLVCUSTOMDRAW& draw,
                    const std::function<Rgb(int row, int column)>& background);

// The form's normal rectangle (when the placement can be read), its topmost
// style and the widths of `columns` columns of each list, lists in order.
FormCloseState ReadCloseState(HWND form, const std::vector<std::pair<HWND, int>>& lists);

// The window the form docks to: the main window, or the Watch window while the
// main window is minimised (none when that is closed).
HWND DockReference(HWND mainWindow, HWND watchWindow);
// After the user moved or sized the form: docks it beside the reference when
// that is shown and not minimised.
void DockAfterMove(HWND form, HWND reference, int32_t snapSize);

}  // namespace varnolux
