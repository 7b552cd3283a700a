#pragma once
// The SFR window ("SFRForm_Class"): the device's registers with their
// addresses in the selection list, the chosen ones' values after every dump
// in the display list, and one line below them that says why no value shows
// when none does; it keeps its place, column widths and TopMost state.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/list_form.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class SfrWindow : public ListForm {
  public:
    SfrWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views);
    // The chosen registers' values, after a dump.
    void Fill() override;

  private:
    // At least as wide as the widest text of the column.
    int OpeningWidth(HWND list, const FormColumn& column, int index, int key) const override;
    void ListsReady() override;
    bool OnListNotify(const NMHDR& header) override;
    std::vector<size_t> Chosen() const;

    Session& session_;
    bool choicesShown_ = false;
};

LRESULT CALLBACK SFRFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
