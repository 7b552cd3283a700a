// The Stop rules window's fields and buttons: a row chosen fills the fields,
// Add, Replace and Delete arm the list they make or show why not, a row's box
// switches its rule.
#include <windows.h>

#include <commctrl.h>

#include "views/rules/rules_ids.h"
#include "views/rules/win32/rules_window.h"

namespace varnolux {

namespace {

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

void RulesWindow::FillChoices() {
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        choices_ = DumpChoices(session_.dumpPoints);
    }
    HWND box = Control(ids::kRulesDumpPoint);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (const DumpChoice& choice : choices_)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.name.c_str()));
    SendMessageA(box, CB_SETCURSEL, 0, 0);
}

RuleFields RulesWindow::ReadFields() const {
    RuleFields fields;
    const LRESULT dump = SendMessageA(Control(ids::kRulesDumpPoint), CB_GETCURSEL, 0, 0);
    fields.dumpChoice = dump == CB_ERR ? choices_.size() : static_cast<size_t>(dump);
    const LRESULT action = SendMessageA(Control(ids::kRulesAction), CB_GETCURSEL, 0, 0);
    fields.action = action == 1   ? rules::RuleAction::Log
                    : action == 2 ? rules::RuleAction::Record
                                  : rules::RuleAction::Hold;
    fields.condition = TextOf(Control(ids::kRulesCondition));
    fields.hitCount = TextOf(Control(ids::kRulesHitCount));
    fields.logTemplate = TextOf(Control(ids::kRulesLogTemplate));
    fields.pre = TextOf(Control(ids::kRulesPre));
    fields.post = TextOf(Control(ids::kRulesPost));
    const int rule = SelectedRule();
    fields.enabled = rule < 0 || desk_.Book().Entered()[static_cast<size_t>(rule)].enabled;
    return fields;
}

void RulesWindow::ShowFields(const RuleFields& fields) {
    SendMessageA(Control(ids::kRulesDumpPoint), CB_SETCURSEL, fields.dumpChoice, 0);
    SendMessageA(Control(ids::kRulesAction), CB_SETCURSEL, static_cast<WPARAM>(fields.action), 0);
    SetWindowTextA(Control(ids::kRulesCondition), fields.condition.c_str());
    SetWindowTextA(Control(ids::kRulesHitCount), fields.hitCount.c_str());
    SetWindowTextA(Control(ids::kRulesLogTemplate), fields.logTemplate.c_str());
    SetWindowTextA(Control(ids::kRulesPre), fields.pre.c_str());
    SetWindowTextA(Control(ids::kRulesPost), fields.post.c_str());
}

int RulesWindow::SelectedRule() const {
    const int row = static_cast<int>(SendMessageA(Control(ids::kRulesList), LVM_GETNEXTITEM,
                                                  static_cast<WPARAM>(-1), LVNI_SELECTED));
    const int rule = row - static_cast<int>(kBuiltInRuleRows);
    return row < 0 || rule < 0 || static_cast<size_t>(rule) >= desk_.Book().Entered().size() ? -1
                                                                                             : rule;
}

void RulesWindow::Edit(int id) {
    const int selected = SelectedRule();
    if (id != ids::kRulesAdd && selected < 0) {
        desk_.SetEditFault("Choose one of your rules in the list first.");
        SetWindowTextA(Control(ids::kRulesFault), desk_.Fault().c_str());
        return;
    }
    std::string fault;
    bool done = false;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        const VarTable& records = session_.records;
        const DumpPointTable& points = session_.dumpPoints;
        RuleBook& book = desk_.Book();
        if (id == ids::kRulesDelete) {
            done = book.Remove(static_cast<size_t>(selected), records, points, fault);
        } else {
            rules::StopRule rule;
            rules::RuleError error;
            if (!RuleOfFields(ReadFields(), choices_, records, points, rule, error))
                fault = FaultText(error);
            else if (id == ids::kRulesAdd)
                done = book.Add(rule, records, points, fault);
            else
                done = book.Replace(static_cast<size_t>(selected), rule, records, points, fault);
        }
    }
    if (done)
        desk_.SetFault(std::string());
    else
        desk_.SetEditFault(fault);
    SetWindowTextA(Control(ids::kRulesFault), desk_.Fault().c_str());
    Fill();
    if (!done && id != ids::kRulesDelete) SetFocus(Control(ids::kRulesCondition));
}

void RulesWindow::OnCommand(int id, int /*notification*/) {
    switch (id) {
        case ids::kRulesAdd:
        case ids::kRulesReplace:
        case ids::kRulesDelete:
            Edit(id);
            return;
        case ids::kRulesLogToFile:
            desk_.SetLogToFile(SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
            return;
        default:
            return;
    }
}

void RulesWindow::OnListNotify(const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(ids::kRulesList) || header.code != LVN_ITEMCHANGED ||
        filling_)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const size_t row = static_cast<size_t>(change.iItem);
    if (row >= rows_.size()) return;
    if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
        !(change.uOldState & LVIS_SELECTED) && !rows_[row].builtIn) {
        ShowFields(FieldsOfRule(desk_.Book().Entered()[row - kBuiltInRuleRows], choices_));
        desk_.RuleChosen();
        SetWindowTextA(Control(ids::kRulesFault), desk_.Fault().c_str());
    }
    const UINT box = change.uNewState & LVIS_STATEIMAGEMASK;
    if (!(change.uChanged & LVIF_STATE) || box == (change.uOldState & LVIS_STATEIMAGEMASK) ||
        box == 0)
        return;
    const bool checked = box == INDEXTOSTATEIMAGEMASK(2);
    if (rows_[row].builtIn) {
        // Repeat and Untill keep their controls in the main window: the box shows them.
        PostMessageA(Handle(), WM_APP, 0, 0);
        return;
    }
    desk_.Book().SetEnabled(row - kBuiltInRuleRows, checked);
    rows_[row].enabled = checked;
}

}  // namespace varnolux
