#include "app/menu_states.h"

namespace varnolux {

MenuStates ComputeMenuStates(const Session& session) {
    const Settings& s = session.settings;
    const RunState& run = session.run;
    MenuStates m;
    m.userTool1Text = s.UserTool1Name;
    m.userTool2Text = s.UserTool2Name;
    m.unhideEnabled = run.HiddenItemsExist.load() == 1;
    m.highlightLabelChecked = s.HighLightLabel == 1;
    m.highlightValueChecked = !m.highlightLabelChecked;
    m.autoExcludeChecked = s.AutoExclude == 1;
    m.manualExcludeChecked = !m.autoExcludeChecked;
    m.excludeBlankChecked = run.ExcludeBlank.load() == 1;
    m.includeBlankChecked = !m.excludeBlankChecked;
    m.commentsChecked = s.ViewComments == 1;
    const bool comms = run.CommsEstablished.load() == 1;
    m.protonIdeEnabled = comms;
    m.exitToProtonEnabled = comms;
    m.portEnabled = comms;
    m.sourceEnabled = comms;
    m.watchEnabled = comms;
    m.commentsEnabled = comms;
    m.sfrEnabled = comms && run.SfrAvailable.load() == 1;
    m.eepromEnabled = comms && run.EepromAvailable.load() == 1;
    m.resetEnabled = comms && session.device.Core != 14;
    return m;
}

int ToggleComments(Settings& settings, ReportList& list) {
    constexpr int kComment = 6;
    if (settings.ViewComments == 1) {
        // Keep the width the user gave the column, to bring it back as it was.
        const int shown = list.ColumnWidth(kComment);
        if (shown > 0) settings.Column[kComment] = shown;
        if (settings.Column[kComment] <= 0) settings.Column[kComment] = kDefaultCommentWidth;
        settings.ViewComments = 0;
        list.SetColumnWidth(kComment, 0);
        return settings.Column[kComment];
    }
    if (settings.Column[kComment] <= 0) settings.Column[kComment] = kDefaultCommentWidth;
    settings.ViewComments = 1;
    list.SetColumnWidth(kComment, settings.Column[kComment]);
    return -settings.Column[kComment];
}

}  // namespace varnolux
