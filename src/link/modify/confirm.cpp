#include "link/modify/confirm.h"

#include "link/modify/text.h"
#include "vars/list_context.h"
#include "vars/value_decode.h"
#include "vars/value_format.h"

namespace varnolux {

namespace {

// Marks a row whose value the user typed, until the next dump shows the target's.
constexpr uint32_t kModifiedItemFlag = 1u << 14;

}  // namespace

ConfirmOutcome ConfirmModify(Session& session, ReportList& list, const std::string& text) {
    ConfirmOutcome outcome;
    PendingModify& m = session.modify;
    const int index = m.ModifyRecordIndex;
    const bool known = index >= 0 && static_cast<size_t>(index) < session.records.size();
    const ModifyReading reading = ReadModifyText(text.substr(0, 260));
    if (!known || session.run.ModifyPending.load() != 0 ||
        !ModifyValueFits(session.records[index].VarType, reading)) {
        outcome.editText = "Invalid value";
        return outcome;
    }
    const MyVarRecord& r = session.records[index];
    m.ModifyValue = reading.value;
    m.ModifyFloat = reading.floatValue;
    m.VarType = r.VarType;
    m.VarAddress = r.VarAddress;
    m.BitNumber = r.VarLen;
    session.run.ModifyPending = 1;

    // The list may have been rebuilt while the window was open: the row is
    // found by the variable's label, not by the row it had then.
    const int row = RowOfLabel(list, r.VarLabel);
    if (row >= 0) {
        m.ModifyItemIndex = row;
        std::string cell;
        if (r.VarType == VT_FLOAT)
            cell = FloatText(FloatBits(reading.floatValue));
        else
            cell = (reading.value >= 0 ? " " : "") + std::to_string(reading.value);
        list.SetCellText(row, kColValue, cell);
        list.SetItemData(row, list.ItemData(row) | kModifiedItemFlag);
    }
    outcome.accepted = true;
    outcome.editText = text;
    return outcome;
}

}  // namespace varnolux
