#pragma once
// The states of the main menu's items, applied each time a menu opens, and the
// Comments toggle of the View menu.
#include <string>

#include "seams/report_list.h"
#include "state/session.h"

namespace varnolux {

struct MenuStates {
    bool unhideEnabled = false;
    bool highlightLabelChecked = false;
    bool highlightValueChecked = false;
    bool autoExcludeChecked = false;
    bool manualExcludeChecked = false;
    bool excludeBlankChecked = false;
    bool includeBlankChecked = false;
    bool commentsChecked = false;
    // Enabled once the target has talked to us.
    bool protonIdeEnabled = false;
    bool exitToProtonEnabled = false;
    bool portEnabled = false;
    bool sourceEnabled = false;
    bool watchEnabled = false;
    bool commentsEnabled = false;
    bool sfrEnabled = false;
    bool eepromEnabled = false;
    bool resetEnabled = false;
    std::string userTool1Text;
    std::string userTool2Text;
};

MenuStates ComputeMenuStates(const Session& session);

constexpr int kDefaultCommentWidth = 70;

// The Comment column shown or hidden ("ViewComments"); returns how far the
// main window's left edge moves right (negative: left) so the right edge stays.
// The caller rebuilds the list when the column comes back.
int ToggleComments(Settings& settings, ReportList& list);

}  // namespace varnolux
