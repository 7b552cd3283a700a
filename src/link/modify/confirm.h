#pragma once
// The user-interface thread's side of writing a value into the target: the
// text typed into the Modify window, checked and handed to the link thread.
#include <string>

#include "seams/report_list.h"
#include "state/session.h"

namespace varnolux {

struct ConfirmOutcome {
    bool accepted = false;
    std::string editText;  // "Invalid value" when not accepted
};

// Checks the typed text against the record ModifyRecordIndex; when it fits,
// fills Session::modify, sets ModifyPending and shows the value at once in the
// Value cell of the variable's row. Call with the records lock held.
ConfirmOutcome ConfirmModify(Session& session, ReportList& list, const std::string& text);

}  // namespace varnolux
