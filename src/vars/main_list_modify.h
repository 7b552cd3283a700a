#pragma once
// Opening the Modify window on a Value cell of the main list: which record,
// with which start text, and where the window goes.
#include <string>

#include "vars/list_context.h"

namespace varnolux {

struct ModifyStart {
    bool open = false;  // false: no window (the reason, if any, is in ctx.messages)
    int record = -1;
    int row = -1;
    std::string text;  // PlainDecimalText of the record
};

// A click on (row, column): only the Value column of a device whose core is not
// 14, no modify pending, and a record that is not an array. Sets
// ModifyRecordIndex and ModifyItemIndex when the window opens.
ModifyStart OpenModifyForCell(ListContext& ctx, int row, int column);

struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // screen coordinates
};
struct WindowOrigin {
    int x = 0, y = 0;
};
// The window's right edge at the middle of the cell; its top at the cell's top,
// or its bottom at the cell's bottom for a row among the last three visible.
WindowOrigin PlaceModifyWindow(const CellRect& cell, int row, int firstVisible, int rowsPerPage,
                               int width, int height);

}  // namespace varnolux
