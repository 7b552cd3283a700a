#pragma once
// The EEPROM window ("EEPROM_Form_Class"): the target's EEPROM as the last dump
// left it, one row per "BytesPerLine" bytes with the start address, the bytes
// in hexadecimal and as characters. The rows are fixed when it opens; after a
// dump only the rows whose bytes changed are written.
#include <windows.h>

#include <commctrl.h>

#include <atomic>

#include "layout/win32/form_layout.h"
#include "seams/host_os.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/aux_window.h"
#include "views/win32/win32_views.h"

namespace varnolux {

class EepromWindow : public AuxWindow {
  public:
    EepromWindow(Session& session, HostOs& os, Prompts& prompts, const Win32Views& views)
        : session_(session), os_(os), prompts_(prompts), views_(views) {}

    HWND Handle() const override { return hwnd_.load(); }
    // Created without an owner; `owner` is the main window it docks to.
    void Create(HWND owner) override;
    // RefreshEepromWindow.
    void Fill() override;

  private:
    friend LRESULT CALLBACK EEPROM_FORM_WNDPROC(HWND, UINT, WPARAM, LPARAM);
    void Initialise();
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate(HWND window);
    void OnClose();
    void OnDestroy();

    Session& session_;
    HostOs& os_;
    Prompts& prompts_;
    const Win32Views& views_;
    std::atomic<HWND> hwnd_{nullptr};
    HWND owner_ = nullptr;
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    int32_t bytesPerLine_ = 8;
    FormLayout layout_;
};

LRESULT CALLBACK EEPROM_FORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
