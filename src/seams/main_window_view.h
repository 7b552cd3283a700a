#pragma once
// What the load sequence and the link thread write to, or read from, the main
// window. Controls are addressed by their control IDs (see app/main_ids.h).
// The Win32 implementation sends synchronous messages to the main window, so it
// is safe to call from the link thread; never call it while holding the records lock.
#include <string>
#include <vector>

namespace varnolux {

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;
    virtual void SetStatusText(int part, const std::string& text) = 0;
    virtual std::string StatusText(int part) const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string Title() const = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;
    virtual std::string ControlText(int id) const = 0;
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    // Combo boxes: entries, selection (index, -1 = none).
    virtual void ClearComboEntries(int id) = 0;
    virtual void AddComboEntry(int id, const std::string& text) = 0;
    virtual std::vector<std::string> ComboEntries(int id) const = 0;
    virtual void SetComboSelection(int id, int index) = 0;
    virtual int ComboSelection(int id) const = 0;
    // Repaints a control (the owner-drawn Continue button).
    virtual void RepaintControl(int id) = 0;
    // Widens a combo box's drop-down list to its widest entry (in its font) + 10 pixels.
    virtual void FitComboDropDownWidth(int /*id*/) {}
    // Closes the main window through its close sequence.
    virtual void RequestClose() = 0;
};

}  // namespace varnolux
