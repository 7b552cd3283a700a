#pragma once
// The frame of every auxiliary window in one table: its class, title, style
// and rectangle as created, and, for a window that keeps its place, how it
// opens, its TopMost item, what follows a move and the font of its lists.
#include "seams/views.h"
#include "views/frame/win32/placed_window.h"

namespace varnolux {

const WindowFrame& WindowFrameOf(ViewKind kind);

}  // namespace varnolux
