#pragma once
// The link thread: owns the serial port after start-up, answers every
// character and packet of the target, until LinkStopRequest is set.
#include <atomic>
#include <memory>
#include <thread>

#include "link/line/link_context.h"

namespace varnolux {

// Arms the received-character event and blocks until a character is there;
// failures are reported. False when the stop ended the wait.
bool WaitForByte(LinkContext& link);
// One turn of the loop: wait for a character, read it and handle it. A turn in
// which a serial call failed ends with a short pause, so a dead port does not spin.
void LinkTurn(LinkContext& link);
// Turns until LinkStopRequest is set. A turn that finds the line gone sets
// LinkLost and, when the link reconnects, waits for the port.
void LinkThreadMain(LinkContext& link);

// How the link thread starts: whether it reconnects a lost port, and whether
// the port was missing at start (it then waits for it first).
struct LinkRecovery {
    bool reconnect = false;
    bool portMissing = false;
};

class LinkThread {
  public:
    LinkThread(Session& session, Seams& seams, SerialPort& port, TransactionListener* listener,
               LinkClock clock = SystemLinkClock(), DumpKeeper* keeper = nullptr,
               LinkRecovery recovery = LinkRecovery());
    ~LinkThread();
    LinkThread(const LinkThread&) = delete;
    LinkThread& operator=(const LinkThread&) = delete;

    // Sets LinkStopRequest, wakes the port and waits up to 20 x 100 ms for the
    // thread to end. True when it ended; otherwise it is left to end with the process.
    bool Stop();
    bool Running() const { return !state_->finished.load(); }

  private:
    struct State {
        State(Session& s, Seams& m, SerialPort& p) : link(s, m, p) {}
        LinkContext link;
        std::atomic<bool> finished{false};
    };
    std::shared_ptr<State> state_;
    std::thread thread_;
};

// Starts LinkThreadMain on a thread of its own.
std::unique_ptr<LinkThread> StartLinkThread(Session& session, Seams& seams, SerialPort& port,
                                            TransactionListener* listener = nullptr,
                                            LinkClock clock = SystemLinkClock(),
                                            DumpKeeper* keeper = nullptr,
                                            LinkRecovery recovery = LinkRecovery());

}  // namespace varnolux
