#pragma once
// The dump just completed, as the main window shows it: what "log" and
// "replay" print for it.
#include "cli/console/log_output.h"
#include "seams/main_window_view.h"
#include "state/session.h"

namespace varnolux::cli {

// Takes the records lock for the values; the texts come from the view after it.
LoggedDump TakeDump(Session& session, const MainWindowView& view);

// Every value's display radix (DT_DECIMAL ... DT_BINARY); other numbers change nothing.
void SetValueRadix(Session& session, int radix);

}  // namespace varnolux::cli
