#pragma once
// The script's hold on the target through the link: a listener on the link
// thread that keeps each dump's values and steers the run-on decision, and
// the requests a step puts to the link thread (modify, reset, continue).
//
// The decision at each "d" comes from RepeatDumpId: while a wait runs it
// names no dump point (the target runs on everywhere); otherwise it is -1, so
// the target is held at every dumpw point, and only there.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "link/line/link_context.h"
#include "script/script_expr.h"
#include "state/session.h"

namespace varnolux::script {

// A RepeatDumpId no end packet carries: every dump point runs on.
constexpr int32_t kRunEverywhere = 256;

// The values of every record now, under the records lock.
DumpValues TakeDumpValues(Session& session);
// The same into `out` for a caller that holds the records lock.
void ReadDumpValues(const Session& session, DumpValues& out);

class ScriptTarget : public TransactionListener {
  public:
    explicit ScriptTarget(Session& session);

    // On the link thread at every completed dump.
    void TransactionDone() override;

    // Lets the target run until dump point `id` (0: any) has arrived `count`
    // times from now on, counting only arrivals where `until`, when given,
    // holds; the target is held there when it is a dumpw point. `until` must
    // outlive the wait.
    void StartWait(int32_t id, long count, const Expression* until = nullptr);
    // The arrival that ended the wait, once it has come.
    bool WaitDone(DumpValues& arrival);
    void CancelWait();

    // The latest dump and how many have completed.
    DumpValues Latest();
    long Dumps() const { return dumps_.load(); }

    // Hands `valueText` for record `record` to the link thread as the Modify
    // window's OK does; false when it does not fit or a modify is still
    // pending. The first dump that ends after the request was sent confirms it.
    bool Modify(int32_t record, const std::string& valueText);
    // True once that dump came, with its values.
    bool Confirmation(int32_t& record, DumpValues& dump);

  private:
    // The wait's condition at the dump; a run-time error counts as not holding.
    bool Holds(const DumpValues& d) const;

    Session& session_;
    std::mutex mutex_;
    DumpValues latest_;
    std::atomic<long> dumps_{0};
    bool waiting_ = false;
    int32_t waitId_ = -1;
    const Expression* until_ = nullptr;
    long remaining_ = 0;
    bool waitDone_ = false;
    DumpValues arrival_;
    int32_t confirmRecord_ = -1;
    bool confirmed_ = false;
    DumpValues confirmDump_;
};

}  // namespace varnolux::script
