#pragma once
// The decisions of the main window's two timers.
#include "seams/main_window_view.h"
#include "seams/seams.h"
#include "state/run_state.h"
#include "state/session.h"
#include "vars/list_operation.h"

namespace varnolux {

constexpr const char* kWaitingForFileSelection = " Waiting for file selection";

// Timer 1 (100 ms): a refresh of all views is due when a project is chosen, the
// main window is visible and the link thread has finished a dump. The flag is
// taken (cleared) when the answer is true.
bool TakeNewDump(RunState& run, bool mainWindowVisible);

// While a stop rule keeps the views frozen, the refresh that shows the dump
// it fired at is the last until Continue; the dumps that come meanwhile wait.
struct FrozenViews {
    bool shown = false;  // the frozen dump is on the views
};
bool TakeDumpToShow(RunState& run, bool mainWindowVisible, FrozenViews& frozen);

// Timer 2 (400 ms): while the target waits the Continue button changes its
// phase; while no project is chosen status part 0 blinks the waiting text.
// Returns true when the Continue buttons are to be repainted: every tick while
// the target waits, and once when it runs again and "Running" is not yet shown.
bool BlinkTick(RunState& run, MainWindowView& view);

// Timer 1's refresh after a completed dump: the main list takes the new values
// under the records lock; once it is released the Watch, Source, Port and
// EEPROM windows refresh, then the project's file times are checked again.
void RefreshAfterNewDump(Session& session, ListRunner& list, Seams& seams);

}  // namespace varnolux
