#pragma once
// What the Watch window's commands change. Those that change records run as
// operations of the main list (RunListOperation): the main list shows the
// change at once, and the Watch window fills again once the records lock is
// released.
#include <string>

#include "seams/main_window_view.h"
#include "vars/list_context.h"

namespace varnolux {

// At the window's opening: "DefaultDataRadix" (unless 0) as every variable's
// value radix. The window fills itself once it is open.
void ApplyWatchDefaultRadix(ListContext& ctx);
// "This column as ...": every variable's value radix, kept as "DefaultDataRadix".
void WatchColumnRadix(ListContext& ctx, int radix);
// "This item as ...": the value radix of the labelled variable only.
void WatchItemRadix(ListContext& ctx, const std::string& label, int radix);
// Double click on a Watch row: the variable is no longer watched and its box in
// the main list is cleared.
void RemoveWatch(ListContext& ctx, const std::string& label);

// The Watch window's "Continuous" box was clicked: both boxes take the state
// opposite to the main window's; the main window's dump-point choices stay.
// Returns the new state.
bool WatchContinuousClicked(MainWindowView& view);

}  // namespace varnolux
