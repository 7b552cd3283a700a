#pragma once
// The Source window ("SourceForm_Class"): the firmware source around the dump
// point at which the target stopped, its line marked yellow and scrolled into
// view, refreshed after every dump. It docks beside the main window (or the
// Watch window while the main window is minimised).
#include <windows.h>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/list_form.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class SourceWindow : public ListForm {
  public:
    SourceWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views);

    void Fill() override;

  private:
    CellColours Colours(int row, int column) const override;
    // Scrolls the freshly filled list so that the marked row stands at about
    // seven tenths of its height.
    void ScrollToHighlight(int rowCount);

    Session& session_;
    HostOs& os_;
    int highlightRow_ = -1;
};

LRESULT CALLBACK SOURCEFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
