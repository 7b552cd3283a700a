#pragma once
// In-memory main window for tests and the console front end.
#include <map>
#include <set>

#include "seams/main_window_view.h"

namespace varnolux {

class MemoryMainWindowView : public MainWindowView {
  public:
    void SetStatusText(int part, const std::string& text) override;
    std::string StatusText(int part) const override;
    void SetTitle(const std::string& title) override { title_ = title; }
    std::string Title() const override { return title_; }
    void SetControlText(int id, const std::string& text) override { texts_[id] = text; }
    std::string ControlText(int id) const override;
    void EnableControl(int id, bool enabled) override;
    bool IsEnabled(int id) const { return disabled_.count(id) == 0; }
    bool IsChecked(int id) const override { return checked_.count(id) != 0; }
    void SetChecked(int id, bool checked) override;
    void ClearComboEntries(int id) override;
    void AddComboEntry(int id, const std::string& text) override;
    std::vector<std::string> ComboEntries(int id) const override;
    void SetComboSelection(int id, int index) override { selection_[id] = index; }
    int ComboSelection(int id) const override;
    void RequestClose() override { closeRequested = true; }
    void RepaintControl(int id) override { ++repaints[id]; }

    bool closeRequested = false;
    std::map<int, int> repaints;  // repaint requests per control
    // Every status write in order, as (part, text), for tests of the sequence.
    std::vector<std::pair<int, std::string>> statusLog;

  private:
    std::string status_[5];
    std::string title_;
    std::map<int, std::string> texts_;
    std::set<int> disabled_;
    std::set<int> checked_;
    std::map<int, std::vector<std::string>> combos_;
    std::map<int, int> selection_;
};

}  // namespace varnolux
