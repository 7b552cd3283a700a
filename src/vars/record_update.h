#pragma once
// Taking every record's new value out of the dump image, with previous value
// and history, and finding records by name.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "seams/prompts.h"
#include "state/dump_image.h"
#include "state/var_record.h"

namespace varnolux {

// What an update found that the user must be told. The update runs on the link
// thread while holding the records lock, so it shows nothing itself: the caller
// releases the lock and then calls ShowUpdateReport.
struct UpdateReport {
    // A record's address lies outside the RAM image; the update stopped at it.
    bool invalidAddress = false;
    // One internal error per record whose VarType is outside 1..8.
    struct InternalError {
        size_t record = 0;
        std::string text;
    };
    std::vector<InternalError> internalErrors;
};

// The records whose internal error has been shown in this run.
using ShownInternalErrors = std::set<size_t>;

// Called once per completed transaction, after image.DumpId and
// image.PreviousDumpId have moved on, with the records lock held. Every record
// whose value is taken from the image stores it with StoreNewValue.
UpdateReport UpdateRecordsFromDump(VarTable& records, const DumpImage& image);

// Shows the messages of an update; call without holding the records lock.
// An internal error is shown once per record and run: each box holds the link
// thread, and so the target, until it is answered.
void ShowUpdateReport(const UpdateReport& report, Prompts& prompts, ShownInternalErrors& shown);

// Stores a taken value: the first one only sets VarValue; every later one ages
// the history (entry 0 := old VarValue with previousDumpId) and, when the value
// changed, keeps the old value as VarPrevious and highlights the record
// (arrays are never highlighted).
void StoreNewValue(MyVarRecord& record, uint32_t value, int32_t previousDumpId);

constexpr int32_t kNoRecord = -1;

// Index of the first record whose VarLabel equals the text exactly
// (case-sensitive), or kNoRecord. Callers strip blanks from the text first.
int32_t FindRecordByLabel(const VarTable& records, const std::string& label);

}  // namespace varnolux
