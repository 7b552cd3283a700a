#pragma once
// The main window as the load sequence and the link thread see it. Every call
// is a synchronous window message, so it may come from the link thread.
#include <windows.h>

#include "seams/main_window_view.h"

namespace varnolux {

class Win32MainWindowView : public MainWindowView {
  public:
    // The main window, set once when it is created.
    void Attach(HWND mainWindow) { main_ = mainWindow; }
    HWND Window() const { return main_; }

    void SetStatusText(int part, const std::string& text) override;
    std::string StatusText(int part) const override;
    void SetTitle(const std::string& title) override;
    std::string Title() const override;
    void SetControlText(int id, const std::string& text) override;
    std::string ControlText(int id) const override;
    void EnableControl(int id, bool enabled) override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void ClearComboEntries(int id) override;
    void AddComboEntry(int id, const std::string& text) override;
    std::vector<std::string> ComboEntries(int id) const override;
    void SetComboSelection(int id, int index) override;
    int ComboSelection(int id) const override;
    void FitComboDropDownWidth(int id) override;
    void RequestClose() override;
    void RepaintControl(int id) override;

  private:
    HWND Control(int id) const;
    HWND main_ = nullptr;
};

// Text of a window through WM_GETTEXTLENGTH / WM_GETTEXT.
std::string WindowTextOf(HWND window);

}  // namespace varnolux
