#include "script/script_target.h"

#include "link/modify/confirm.h"
#include "seams/memory/memory_report_list.h"

namespace varnolux::script {

void ReadDumpValues(const Session& session, DumpValues& out) {
    out.DumpId = session.image.DumpId;
    out.records.resize(session.records.size());
    for (size_t i = 0; i < session.records.size(); ++i) {
        const MyVarRecord& r = session.records[i];
        out.records[i] =
            RecordValues{r.VarValue, r.VarPrevious, r.VarValueInit == 1, r.VarPreviousInit == 1};
    }
}

DumpValues TakeDumpValues(Session& session) {
    DumpValues d;
    std::lock_guard<std::mutex> lock(session.recordsLock);
    ReadDumpValues(session, d);
    return d;
}

ScriptTarget::ScriptTarget(Session& session) : session_(session) {
    session_.run.RepeatDumpId = -1;
    session_.run.UntilDumpId = -1;
}

void ScriptTarget::TransactionDone() {
    DumpValues d = TakeDumpValues(session_);
    std::lock_guard<std::mutex> lock(mutex_);
    if (waiting_ && (waitId_ == 0 || d.DumpId == waitId_) && Holds(d) && --remaining_ == 0) {
        waiting_ = false;
        waitDone_ = true;
        arrival_ = d;
        // The "d" that follows this end packet holds the target at a dumpw point.
        session_.run.RepeatDumpId = -1;
    }
    // A modify sent at this dump's "c", or at the "d" of an earlier one, shows here.
    if (confirmRecord_ >= 0 && !confirmed_ && session_.run.ModifyPending.load() == 0) {
        confirmed_ = true;
        confirmDump_ = d;
    }
    latest_ = std::move(d);
    ++dumps_;
}

bool ScriptTarget::Holds(const DumpValues& d) const {
    if (!until_) return true;
    const EvalResult r = Evaluate(*until_, session_.records, d);
    return r.ok && r.value.b;
}

void ScriptTarget::StartWait(int32_t id, long count, const Expression* until) {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = true;
    waitId_ = id;
    until_ = until;
    remaining_ = count;
    waitDone_ = false;
    session_.run.RepeatDumpId = kRunEverywhere;
}

bool ScriptTarget::WaitDone(DumpValues& arrival) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!waitDone_) return false;
    arrival = arrival_;
    return true;
}

void ScriptTarget::CancelWait() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = false;
    session_.run.RepeatDumpId = -1;
}

DumpValues ScriptTarget::Latest() {
    std::lock_guard<std::mutex> lock(mutex_);
    return latest_;
}

bool ScriptTarget::Modify(int32_t record, const std::string& valueText) {
    // Under the script's lock, so no dump can end between the request and the
    // mark that waits for its confirmation.
    std::lock_guard<std::mutex> lock(mutex_);
    {
        std::lock_guard<std::mutex> records(session_.recordsLock);
        session_.modify.ModifyRecordIndex = record;
        MemoryReportList noList;
        if (!ConfirmModify(session_, noList, valueText).accepted) return false;
    }
    confirmRecord_ = record;
    confirmed_ = false;
    return true;
}

bool ScriptTarget::Confirmation(int32_t& record, DumpValues& dump) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (confirmRecord_ < 0 || !confirmed_) return false;
    record = confirmRecord_;
    dump = std::move(confirmDump_);
    confirmRecord_ = -1;
    confirmed_ = false;
    return true;
}

}  // namespace varnolux::script
