#include "app/win32/list_and_run_control.h"

#include "app/menu_states.h"
#include "seams/main_ids.h"
#include "vars/list_commands.h"
#include "vars/main_list.h"

namespace varnolux {

namespace {

void Enable(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Check(HMENU menu, int id, bool checked) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

ListAndRunControl::ListAndRunControl(Session& session, Seams& seams, const ContinueBrushes& brushes)
    : session_(session),
      seams_(seams),
      brushes_(brushes),
      list_(session, seams),
      modify_(session, list_) {}

void ListAndRunControl::Attach(HWND mainWindow) {
    main_ = mainWindow;
    list_.Attach(GetDlgItem(mainWindow, ids::kVarList));
    list_.openModify = [this](int row, int column) { modify_.Open(main_, row, column); };
}

void ListAndRunControl::FillForNewProject() {
    list_.Run([](ListContext& c) {
        c.session.list = ListState();
        FillMainList(c);
    });
}

void ListAndRunControl::SetAllRadix(int32_t addressRadix, int32_t dataRadix) {
    list_.Run([=](ListContext& c) { varnolux::SetAllRadix(c, addressRadix, dataRadix); });
    // The Dec/Hex/Bin button of the values' radix shows selected from the start.
    if (dataRadix < DT_DECIMAL || dataRadix > DT_BINARY) return;
    for (const auto& [radix, button] :
         {std::pair{DT_DECIMAL, ids::kRadioDec}, std::pair{DT_HEX, ids::kRadioHex},
          std::pair{DT_BINARY, ids::kRadioBin}})
        seams_.view.SetChecked(button, radix == dataRadix);
}

void ListAndRunControl::OnInitMenuPopup() {
    HMENU menu = GetMenu(main_);
    if (!menu) return;
    const MenuStates m = ComputeMenuStates(session_);
    Enable(menu, ids::kCmdUnhideAll, m.unhideEnabled);
    Check(menu, ids::kCmdHighlightLabel, m.highlightLabelChecked);
    Check(menu, ids::kCmdHighlightValue, m.highlightValueChecked);
    Check(menu, ids::kCmdAutoExclude, m.autoExcludeChecked);
    Check(menu, ids::kCmdManualExclude, m.manualExcludeChecked);
    Check(menu, ids::kCmdExcludeBlank, m.excludeBlankChecked);
    Check(menu, ids::kCmdIncludeBlank, m.includeBlankChecked);
    Check(menu, ids::kCmdViewComments, m.commentsChecked);
    Enable(menu, ids::kCmdProtonIde, m.protonIdeEnabled);
    Enable(menu, ids::kCmdExitToProton, m.exitToProtonEnabled);
    Enable(menu, ids::kCmdViewPort, m.portEnabled);
    Enable(menu, ids::kCmdViewSource, m.sourceEnabled);
    Enable(menu, ids::kCmdViewWatch, m.watchEnabled);
    Enable(menu, ids::kCmdViewComments, m.commentsEnabled);
    Enable(menu, ids::kCmdViewSfr, m.sfrEnabled);
    Enable(menu, ids::kCmdViewEeprom, m.eepromEnabled);
    Enable(menu, ids::kCmdReset, m.resetEnabled);
}

bool ListAndRunControl::OnCommand(int id, int notification) {
    MainWindowView& view = seams_.view;
    switch (id) {
        case ids::kContinueButton:
            if (notification == BN_CLICKED) ContinueCommand(session_.run, seams_.views);
            return true;
        case ids::kUntilChooser:
            if (notification == CBN_SELENDOK) UntilChosen(session_, view);
            if (notification == CBN_CLOSEUP) UntilListClosed(session_, view);
            return true;
        case ids::kRepeatChooser:
            if (notification == CBN_SELENDOK) RepeatChosen(session_, view);
            if (notification == CBN_CLOSEUP) RepeatListClosed(session_, view);
            return true;
        case ids::kContinuous:
            if (notification == BN_CLICKED) ContinuousChanged(session_, view, seams_.views);
            return true;
        case ids::kCmdReset:
            ResetCommand(session_);
            return true;
        case ids::kCmdViewComments:
            ToggleComments();
            return true;
        default:
            return list_.OnCommand(id);
    }
}

void ListAndRunControl::ToggleComments() {
    int shift = 0;
    list_.Run([&](ListContext& c) {
        shift = varnolux::ToggleComments(c.session.settings, c.list);
        if (c.session.settings.ViewComments == 1) FillMainList(c);
    });
    // The right edge stays; the left edge follows the column.
    RECT r{};
    GetWindowRect(main_, &r);
    SetWindowPos(main_, nullptr, r.left + shift, r.top, (r.right - r.left) - shift,
                 r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ListAndRunControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != static_cast<UINT>(ids::kContinueButton)) return false;
    DrawContinueButton(item, session_.run, brushes_);
    return true;
}

}  // namespace varnolux
