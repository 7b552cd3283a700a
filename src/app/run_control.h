#pragma once
// The main window's side of run control: the Continue command, the " Repeat"
// and " Untill" choices with the count and "Continuous" (the Continue button's
// face is views/continue_face.h). The link thread reads the same controls at
// each "d".
#include <string>

#include "seams/main_window_view.h"
#include "seams/views.h"
#include "state/session.h"
#include "views/frame/continue_face.h"

namespace varnolux {

// The DumpID after the first " Dumpw " in a chooser entry; -1 when there is none.
int DumpIdOfEntry(const std::string& entry);

// Continue (button 109 or the Watch window's): lets a waiting target go on and
// views frozen by a stop rule follow the dumps again.
void ContinueCommand(RunState& run, Views& views);

// Selection accepted in the " Repeat" chooser (119).
void RepeatChosen(Session& session, MainWindowView& view);
// Selection accepted in the " Untill" chooser (113).
void UntilChosen(Session& session, MainWindowView& view);
// The " Untill" list closed: the count is made one of "01" .. "99", or "00"
// with the first entry when no dump point is chosen.
void UntilListClosed(Session& session, MainWindowView& view);
// The " Repeat" list closed without a choice: its first entry shows again.
void RepeatListClosed(Session& session, MainWindowView& view);
// "Continuous" (120) clicked.
void ContinuousChanged(Session& session, MainWindowView& view, Views& views);

// "Reset" (28042): asks the link thread to reset the target, not on core 14.
void ResetCommand(Session& session);

}  // namespace varnolux
