#pragma once
// Everything the link thread works with: the run's state, the seams, the port,
// the hooks into other windows, and the thread's own bookkeeping.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "link/link_clock.h"
#include "state/session.h"
#include "ui/seams.h"
#include "ui/serial_port.h"

namespace varnolux {

struct LinkHooks {
    // Writes the Watch window's DumpID label.
    std::function<void(const std::string&)> setWatchDumpIdLabel;
    // Told after each completed transaction, outside the records lock.
    std::function<void()> transactionDone;
};

struct LinkContext {
    LinkContext(Session& s, Seams& m, SerialPort& p) : session(s), seams(m), port(p) {}
    Session& session;
    Seams& seams;
    SerialPort& port;
    LinkHooks hooks;
    LinkClock clock = SystemLinkClock();

    int64_t timerStart = 0;  // 0 = the run timer is not running
    // Messages of failed serial calls shown and not yet followed by a success:
    // each is reported once until its call works again.
    std::set<std::string> reportedFailures;
    bool turnFailed = false;
};

// Starts the run timer (never at 0, which means "not running").
void StartRunTimer(LinkContext& link);

// A failed serial call on the link thread: shows routine name + message + the
// sign-padded system error code, unless the same failure is already reported
// or the stop was requested.
void ReportLinkFailure(LinkContext& link, const std::string& message);
// The call behind `message` worked: a later failure is reported again.
void LinkCallSucceeded(LinkContext& link, const std::string& message);
// Reports or clears according to `ok`; returns ok.
bool CheckLinkCall(LinkContext& link, bool ok, const std::string& message);

// Writes one answer character, reporting a failure with `message`.
void WriteAnswer(LinkContext& link, uint8_t byte, const std::string& message);

}  // namespace varnolux
