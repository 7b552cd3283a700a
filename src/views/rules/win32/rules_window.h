#pragma once
// The Stop rules window ("RulesForm_Class"): the rules in a list with their
// enabled boxes and hits, the fields a rule is entered in, the refusal of a
// bad entry with its place, and the log lines of the run. The rules and their
// log are the desk's, kept while the window is closed.
#include <windows.h>

#include <string>
#include <vector>

#include "seams/host_os.h"
#include "seams/main_window_view.h"
#include "seams/prompts.h"
#include "state/session.h"
#include "views/frame/win32/placed_window.h"
#include "views/rules/rule_desk.h"
#include "views/rules/rule_entry.h"
#include "views/rules/rule_rows.h"

namespace varnolux {

class RulesWindow : public PlacedWindow {
  public:
    RulesWindow(Session& session, HostOs& os, Prompts& prompts, MainWindowView& mainView,
                RuleDesk& desk);

    // The rows again, with their hits, and the log lines not shown yet.
    void Fill() override;
    // A project was loaded: its dump points to choose from, the rows again.
    void ProjectLoaded();
    // New log lines of a tick, while the window is open.
    void AddLogLines(const std::vector<std::string>& lines);
    // A refusal of an entry, or of the rules read at start; kept by the desk.
    void ShowFault(const std::string& fault);

  private:
    void ReadKeys() override;
    void OnCreate(HWND window) override;
    bool Initialise(HWND window) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void SaveOnClose(FormCloseState frame, bool byProgram) override;
    void OnDestroy() override;

    // rules_window_edit.cpp: the fields and the buttons.
    void OnCommand(int id, int notification);
    void OnListNotify(const NMHDR& header);
    void FillChoices();
    RuleFields ReadFields() const;
    void ShowFields(const RuleFields& fields);
    // The user's rule of the selected row; -1 for none or a built-in row.
    int SelectedRule() const;
    void Edit(int id);

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    Session& session_;
    HostOs& os_;
    MainWindowView& mainView_;
    RuleDesk& desk_;
    std::vector<DumpChoice> choices_;
    std::vector<RuleRow> rows_;
    size_t logShown_ = 0;   // log lines in the window's log list
    bool filling_ = false;  // the list's boxes are being set, not clicked
    int32_t topMost_ = 0;
};

LRESULT CALLBACK RULESFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace varnolux
