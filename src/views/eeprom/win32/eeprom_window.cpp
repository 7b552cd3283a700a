#include "views/eeprom/win32/eeprom_window.h"

#include <algorithm>
#include <mutex>

#include "seams/ini_file.h"
#include "seams/win32/dpi_scale.h"
#include "vars/win32/win32_report_list.h"
#include "views/eeprom/eeprom_ids.h"
#include "views/eeprom/eeprom_rows.h"
#include "views/frame/win32/list_controls.h"
#include "views/win32/window_frames.h"

namespace varnolux {

EepromWindow::EepromWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
    : ListForm(WindowFrameOf(ViewKind::Eeprom),
               {{ids::kEepromList, ControlBox{3, 6, 619, 415}, WS_TABSTOP | WS_VSCROLL,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, kAnchorAll, kEepromColumns,
                 kEepromColumnCount}},
               StoredWidths{"", false}, session, os, prompts, session.settings.AlwaysOnTopE, views),
      session_(session),
      os_(os) {}

int EepromWindow::OpeningWidth(HWND list, const FormColumn& column, int index, int key) const {
    const int stored = ListForm::OpeningWidth(list, column, index, key);
    if (stored != 0) return stored;
    const int header = static_cast<int>(
        SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(column.header)));
    return std::max(ToScreen(kEepromBuiltInWidths[index]), header + ToScreen(16));
}

void EepromWindow::ListsReady() {
    bytesPerLine_ =
        UsableBytesPerLine(IniReadNumber(os_, session_.project.settingsPath, Keys().section,
                                         kBytesPerLineKey, kDefaultBytesPerLine));
    Win32ReportList list(List(0), kEepromColumnCount, 0);
    LayOutEepromRows(list, session_.device.EepromSize, bytesPerLine_);
}

CellColours EepromWindow::Colours(int, int column) const {
    return BlackTextOn(EepromCellBackground(column));
}

void EepromWindow::Fill() {
    if (!Handle()) return;
    std::vector<uint8_t> values;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        values = EepromSnapshot(session_.image, session_.device.EepromSize);
    }
    Win32ReportList list(List(0), kEepromColumnCount, 0);
    RefreshEepromRows(list, values, bytesPerLine_);
}

LRESULT CALLBACK EEPROM_FORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
