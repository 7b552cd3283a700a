#include "views/rules/win32/rules_window.h"

#include <commctrl.h>

#include "seams/ini_file.h"
#include "seams/main_ids.h"
#include "views/frame/win32/child_controls.h"
#include "views/frame/win32/list_controls.h"
#include "views/rules/rules_ids.h"
#include "views/win32/window_frames.h"

namespace varnolux {

namespace {

constexpr int kColumnWidths[kRuleColumns] = {150, 210, 60, 120, 70};
constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabel = SS_RIGHT;
// The fields stay under the list; the log below them takes what the window grows.
constexpr uint32_t kLeftTop = kAnchorLeft | kAnchorTop;
constexpr uint32_t kTopRight = kAnchorTop | kAnchorRight;
constexpr uint32_t kLeftTopRight = kAnchorLeft | kAnchorTop | kAnchorRight;

// The fields under the list; the list and the log are made apart.
const ChildControl kFields[] = {
    {ids::kRulesLabelFirst, "STATIC", "Dump point", kLabel, 0, {6, 213, 70, 16}, kLeftTop},
    {ids::kRulesDumpPoint,
     "COMBOBOX",
     "",
     WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
     0,
     {80, 210, 250, 200},
     kLeftTop},
    {ids::kRulesLabelFirst + 1, "STATIC", "Action", kLabel, 0, {334, 213, 50, 16}, kLeftTop},
    {ids::kRulesAction,
     "COMBOBOX",
     "",
     WS_TABSTOP | CBS_DROPDOWNLIST,
     0,
     {388, 210, 90, 100},
     kLeftTop},
    {ids::kRulesLabelFirst + 2, "STATIC", "Hit count", kLabel, 0, {482, 213, 60, 16}, kLeftTop},
    {ids::kRulesHitCount, "EDIT", "0", kEdit, WS_EX_CLIENTEDGE, {546, 210, 60, 21}, kLeftTop},
    {ids::kRulesLabelFirst + 3, "STATIC", "Condition", kLabel, 0, {6, 240, 70, 16}, kLeftTop},
    {ids::kRulesCondition, "EDIT", "", kEdit, WS_EX_CLIENTEDGE, {80, 237, 526, 21}, kLeftTopRight},
    {ids::kRulesLabelFirst + 4, "STATIC", "Log line", kLabel, 0, {6, 267, 70, 16}, kLeftTop},
    {ids::kRulesLogTemplate,
     "EDIT",
     "",
     kEdit,
     WS_EX_CLIENTEDGE,
     {80, 264, 300, 21},
     kLeftTopRight},
    {ids::kRulesLabelFirst + 5,
     "STATIC",
     "Record: before",
     kLabel,
     0,
     {384, 267, 90, 16},
     kTopRight},
    {ids::kRulesPre, "EDIT", "50", kEdit, WS_EX_CLIENTEDGE, {478, 264, 44, 21}, kTopRight},
    {ids::kRulesLabelFirst + 6, "STATIC", "after", kLabel, 0, {524, 267, 34, 16}, kTopRight},
    {ids::kRulesPost, "EDIT", "10", kEdit, WS_EX_CLIENTEDGE, {562, 264, 44, 21}, kTopRight},
    {ids::kRulesAdd, "BUTTON", "Add", WS_TABSTOP | BS_PUSHBUTTON, 0, {80, 292, 80, 24}, kLeftTop},
    {ids::kRulesReplace,
     "BUTTON",
     "Replace",
     WS_TABSTOP | BS_PUSHBUTTON,
     0,
     {166, 292, 80, 24},
     kLeftTop},
    {ids::kRulesDelete,
     "BUTTON",
     "Delete",
     WS_TABSTOP | BS_PUSHBUTTON,
     0,
     {252, 292, 80, 24},
     kLeftTop},
    {ids::kRulesLogToFile,
     "BUTTON",
     "Log lines also to the project's .rules.log",
     WS_TABSTOP | BS_AUTOCHECKBOX,
     0,
     {346, 295, 260, 18},
     kLeftTop},
    {ids::kRulesFault, "STATIC", "", SS_LEFTNOWORDWRAP, 0, {6, 322, 600, 16}, kLeftTopRight},
};

void SetRow(HWND list, int row, const RuleRow& shown, bool insert) {
    for (int column = 0; column < kRuleColumns; ++column) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = const_cast<char*>(shown.texts[column].c_str());
        SendMessageA(list, insert && column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                     reinterpret_cast<LPARAM>(&item));
    }
    ListView_SetCheckState(list, row, shown.enabled ? TRUE : FALSE);
}

}  // namespace

RulesWindow::RulesWindow(Session& session, HostOs& os, Prompts& prompts, MainWindowView& mainView,
                         RuleDesk& desk)
    : PlacedWindow(WindowFrameOf(ViewKind::StopRules), session, os, prompts, topMost_),
      session_(session),
      os_(os),
      mainView_(mainView),
      desk_(desk) {}

void RulesWindow::ReadKeys() {
    const WindowKeys& keys = Keys();
    topMost_ = IniReadNumber(os_, session_.project.settingsPath, keys.topMostSection,
                             keys.topMostKey, 0) == 1
                   ? 1
                   : 0;
}

void RulesWindow::OnCreate(HWND window) {
    CreateChildControls(window, kFields, &Layout());
    HWND list = CreateReportList(window, ids::kRulesList, 6, 6, 600, 196,
                                 WS_TABSTOP | LVS_SHOWSELALWAYS | LVS_SINGLESEL, WS_EX_CLIENTEDGE);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < kRuleColumns; ++column)
        AddListColumn(list, column, RuleColumnTitle(column),
                      StoredColumnWidth(column, "0", kColumnWidths[column]));
    Layout().Anchor(list, kAnchorLeft | kAnchorTop | kAnchorRight);
    HWND log = CreateReportList(window, ids::kRulesLog, 6, 342, 600, 120,
                                LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE);
    SendMessageA(log, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    AddListColumn(log, 0, nullptr, 580);
    Layout().Anchor(log, kAnchorAll);
    for (const char* action : {"hold", "log", "record"})
        SendMessageA(Control(ids::kRulesAction), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(action));
    SendMessageA(Control(ids::kRulesAction), CB_SETCURSEL, 0, 0);
}

bool RulesWindow::Initialise(HWND /*window*/) {
    SendMessageA(Control(ids::kRulesLogToFile), BM_SETCHECK,
                 desk_.LogToFile() ? BST_CHECKED : BST_UNCHECKED, 0);
    logShown_ = 0;
    Fill();
    SetWindowTextA(Control(ids::kRulesFault), desk_.Fault().c_str());
    return true;
}

void RulesWindow::Fill() {
    HWND list = Control(ids::kRulesList);
    if (!list) return;
    // The count box is read before the lock: nothing calls a window under it.
    RunControlRules runControl{session_.run.RepeatDumpId.load(), session_.run.UntilDumpId.load(),
                               mainView_.ControlText(ids::kUntilCount)};
    std::vector<RuleRow> rows;
    {
        std::lock_guard<std::mutex> lock(session_.recordsLock);
        rows = RuleRows(desk_.Book().Entered(), desk_.Armed().States(), session_.dumpPoints,
                        runControl);
    }
    filling_ = true;
    const int shown = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = static_cast<int>(rows.size()); row < shown; ++row)
        SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(rows.size()), 0);
    for (size_t row = 0; row < rows.size(); ++row)
        SetRow(list, static_cast<int>(row), rows[row], static_cast<int>(row) >= shown);
    filling_ = false;
    rows_ = std::move(rows);
    if (choices_.empty()) FillChoices();
    const auto& lines = desk_.LogLines();
    if (logShown_ > lines.size()) logShown_ = 0;
    AddLogLines(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(logShown_),
                                         lines.end()));
}

void RulesWindow::ProjectLoaded() {
    choices_.clear();
    Fill();
}

void RulesWindow::AddLogLines(const std::vector<std::string>& lines) {
    HWND log = Control(ids::kRulesLog);
    if (!log || lines.empty()) return;
    int count = static_cast<int>(SendMessageA(log, LVM_GETITEMCOUNT, 0, 0));
    for (const std::string& line : lines) {
        if (count >= static_cast<int>(kRuleLogLinesKept)) {
            SendMessageA(log, LVM_DELETEITEM, 0, 0);
            --count;
        }
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = count++;
        item.pszText = const_cast<char*>(line.c_str());
        SendMessageA(log, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    logShown_ = desk_.LogLines().size();
    SendMessageA(log, LVM_ENSUREVISIBLE, static_cast<WPARAM>(count - 1), FALSE);
}

void RulesWindow::ShowFault(const std::string& fault) {
    desk_.SetFault(fault);
    if (HWND text = Control(ids::kRulesFault)) SetWindowTextA(text, fault.c_str());
}

bool RulesWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* /*result*/) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return true;
        case WM_APP:  // a built-in row's box clicked: it shows the main window's choice again
            Fill();
            return true;
        case WM_NOTIFY:
            OnListNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return false;
        default:
            return false;
    }
}

void RulesWindow::SaveOnClose(FormCloseState frame, bool /*byProgram*/) {
    frame.columnWidths = ListColumnWidths(Control(ids::kRulesList), kRuleColumns);
    SaveFormKeys(frame);
}

void RulesWindow::OnDestroy() {
    choices_.clear();
    rows_.clear();
}

LRESULT CALLBACK RULESFORM_WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FrameWindow::Forward(window, message, wParam, lParam);
}

}  // namespace varnolux
