#pragma once
// The EEPROM window ("EEPROM_Form_Class"): the target's EEPROM as the last dump
// left it, one row per "BytesPerLine" bytes with the start address, the bytes
// in hexadecimal and as characters. The rows are fixed when it opens; after a
// dump only the rows whose bytes changed are written.
#include <windows.h>

#include <cstdint>

#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/list_form.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class EepromWindow : public ListForm {
  public:
    EepromWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views);

    // RefreshEepromWindow.
    void Fill() override;

  private:
    // A column without a stored width: the built-in width, widened where the
    // list's own font needs more for the header text.
    int OpeningWidth(HWND list, const FormColumn& column, int index, int key) const override;
    // The rows for "BytesPerLine" bytes each.
    void ListsReady() override;
    CellColours Colours(int row, int column) const override;

    Session& session_;
    HostOs& os_;
    int32_t bytesPerLine_ = 8;
};

LRESULT CALLBACK EEPROM_FORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
