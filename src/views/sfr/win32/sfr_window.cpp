#include "views/sfr/win32/sfr_window.h"

#include "views/sfr/sfr_form.h"
#include "views/sfr/sfr_ids.h"
#include "views/win32/window_frames.h"

namespace varnolux {

SfrWindow::SfrWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
    : ListForm(
          WindowFrameOf(ViewKind::Sfr),
          {{ids::kSfrDisplayList, ControlBox{1, 2, 377, 425}, WS_TABSTOP, 0,
            kAnchorLeft | kAnchorTop | kAnchorBottom, kSfrDisplayColumns, kSfrDisplayColumnCount},
           {ids::kSfrSelectList, ControlBox{418, 2, 249, 425},
            WS_TABSTOP | WS_VSCROLL | LVS_SHOWSELALWAYS, 0, kAnchorAll, kSfrSelectColumns,
            kSfrSelectColumnCount}},
          StoredWidths{kSfrDefaultWidth, false}, session, os, prompts,
          session.settings.AlwaysOnTopSF, views) {}

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
