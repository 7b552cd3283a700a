#pragma once
// Custom draw of a report list view whose cells take their colours from the
// list's model, one cell at a time.
#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "vars/main_list.h"

namespace varnolux {

using CellColouring = std::function<CellColours(int row, int column)>;

// NM_CUSTOMDRAW of the list: asks for every cell and draws each in the
// colours the function gives for its row and column; a cell whose colours are
// the default is drawn as the list draws it.
LRESULT DrawCells(NMLVCUSTOMDRAW& draw, const CellColouring& colours);

}  // namespace varnolux
