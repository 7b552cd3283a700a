#include "link/thread/link_thread.h"

#include "link/line/port_recovery.h"
#include "link/line/protocol.h"
#include "link/line/serial_link.h"
#include "link/packets/handler.h"
#include "link/thread/sync_query.h"

namespace varnolux {

namespace {
constexpr int kFailedTurnPauseMs = 100;
// A character event without a character happens now and then under Wine; in a
// row it means the line is gone (a closed pseudo-terminal), and the wait must
// not turn into a busy loop.
constexpr int kEmptyWakesBeforePause = 3;
constexpr int kEmptyWakePauseMs = 10;
constexpr int kEmptyWakesBeforeLongPause = 20;  // the line is gone for good
constexpr int kLongEmptyWakePauseMs = 100;
}  // namespace

bool WaitForByte(LinkContext& link) {
    CheckLinkCall(link, link.port.ArmCharEvent(), " SetCommMask failed");
    const bool waited = link.port.WaitCharEvent();
    // A wait ended by the stop is no failure.
    if (link.session.run.LinkStopRequest.load() != 0) return false;
    CheckLinkCall(link, waited, " WaitCommEvent failed");
    return true;
}

void LinkTurn(LinkContext& link) {
    link.turnFailed = false;
    if (!WaitForByte(link)) return;
    uint8_t byte = 0x20;  // stays a blank, which is ignored, when nothing arrives
    int count = 0;
    CheckLinkCall(link, ReadByte(link.port, byte, count), " Read single character failed");
    link.emptyWakes = count == 0 ? link.emptyWakes + 1 : 0;
    if (byte == kSync)
        HandleSync(link);
    else if (byte == kQuery)
        HandleQuery(link);
    else if (byte == kStx)
        HandlePacket(link);
    if (link.turnFailed)
        link.clock.sleepMs(kFailedTurnPauseMs);
    else if (link.emptyWakes >= kEmptyWakesBeforeLongPause)
        link.clock.sleepMs(kLongEmptyWakePauseMs);
    else if (link.emptyWakes >= kEmptyWakesBeforePause)
        link.clock.sleepMs(kEmptyWakePauseMs);
}

void LinkThreadMain(LinkContext& link) {
    while (link.session.run.LinkStopRequest.load() == 0) {
        if (link.waitForPort) {
            if (!WaitForPort(link)) return;
            link.waitForPort = false;
            continue;
        }
        LinkTurn(link);
        if (!LineLost(link)) continue;
        link.session.run.LinkLost = 1;
        link.waitForPort = link.reconnect;
    }
}

LinkThread::LinkThread(Session& session, Seams& seams, SerialPort& port,
                       TransactionListener* listener, LinkClock clock, DumpKeeper* keeper,
                       LinkRecovery recovery)
    : state_(std::make_shared<State>(session, seams, port)) {
    state_->link.reconnect = recovery.reconnect;
    state_->link.waitForPort = recovery.portMissing;
    state_->link.portSeen = !recovery.portMissing;
    state_->link.listener = listener;
    state_->link.keeper = keeper;
    state_->link.clock = std::move(clock);
    std::shared_ptr<State> state = state_;
    thread_ = std::thread([state] {
        LinkThreadMain(state->link);
        state->finished = true;
    });
}

LinkThread::~LinkThread() {
    Stop();
}

bool LinkThread::Stop() {
    if (!thread_.joinable()) return state_->finished.load();
    state_->link.session.run.LinkStopRequest = 1;
    state_->link.port.Wake();
    for (int i = 0; i < 20 && !state_->finished.load(); ++i) state_->link.clock.sleepMs(100);
    if (state_->finished.load()) {
        thread_.join();
        return true;
    }
    thread_.detach();
    return false;
}

std::unique_ptr<LinkThread> StartLinkThread(Session& session, Seams& seams, SerialPort& port,
                                            TransactionListener* listener, LinkClock clock,
                                            DumpKeeper* keeper, LinkRecovery recovery) {
    return std::make_unique<LinkThread>(session, seams, port, listener, std::move(clock), keeper,
                                        recovery);
}

}  // namespace varnolux
