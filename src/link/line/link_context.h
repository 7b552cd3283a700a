#pragma once
// Everything the link thread works with: the run's state, the seams, the port,
// who hears of each completed dump and who keeps it, and the thread's own bookkeeping.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "link/line/link_clock.h"
#include "seams/seams.h"
#include "seams/serial_port.h"
#include "state/session.h"
#include "vars/record_update.h"

namespace varnolux {

// Told on the link thread after each completed transaction, outside the
// records lock (the console logger prints the dump there).
class TransactionListener {
  public:
    virtual ~TransactionListener() = default;
    virtual void TransactionDone() = 0;
};

// Keeps something of every dump (the Plot window's series): told on the link
// thread at the end of each transaction, while the records lock is held and
// right after the records took the dump's values. It takes a small snapshot
// and calls nothing of the user interface.
class DumpKeeper {
  public:
    virtual ~DumpKeeper() = default;
    // `timeUs`: the link clock's time of the end packet, in microseconds.
    virtual void KeepDump(const Session& session, int64_t timeUs) = 0;
};

struct LinkContext {
    LinkContext(Session& s, Seams& m, SerialPort& p) : session(s), seams(m), port(p) {}
    Session& session;
    Seams& seams;
    SerialPort& port;
    TransactionListener* listener = nullptr;
    DumpKeeper* keeper = nullptr;
    LinkClock clock = SystemLinkClock();

    int64_t timerStart = 0;  // 0 = the run timer is not running
    // Messages of failed serial calls shown and not yet followed by a success:
    // each is reported once until its call works again.
    std::set<std::string> reportedFailures;
    // Records of an unknown type already reported by the record update.
    ShownInternalErrors shownInternalErrors;
    bool turnFailed = false;
    // A lost port is waited for and the link started again, the failure that
    // lost it shown on the status bar instead of in a box.
    bool reconnect = false;
    bool waitForPort = false;  // the port is gone (or was missing at start)
    bool portSeen = true;      // false while a port missing at start has not opened yet
    int emptyWakes = 0;        // character events in a row that brought no byte
};

// Starts the run timer (never at 0, which means "not running").
void StartRunTimer(LinkContext& link);

// A failed serial call on the link thread: shows routine name + message + the
// sign-padded system error code, unless the same failure is already reported,
// another call failed before it in the same turn, the stop was requested or
// the link reconnects (then the lost port is told on the status bar).
void ReportLinkFailure(LinkContext& link, const std::string& message);
// The call behind `message` worked: a later failure is reported again.
void LinkCallSucceeded(LinkContext& link, const std::string& message);
// Reports or clears according to `ok`; returns ok.
bool CheckLinkCall(LinkContext& link, bool ok, const std::string& message);

// Writes one answer character, reporting a failure with `message`.
void WriteAnswer(LinkContext& link, uint8_t byte, const std::string& message);

}  // namespace varnolux
