#pragma once
// The SFR window ("SFRForm_Class"): a frame with a display list and a selection
// list, both empty, that keeps its place, column widths and TopMost state.
#include <windows.h>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/list_form.h"
#include "views/win32/win32_views.h"

namespace varnolux {

// RefreshSfrWindow draws both lists again; no content changes.
class SfrWindow : public ListForm {
  public:
    SfrWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views);
};

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
