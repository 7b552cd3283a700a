#include <atomic>
#include <chrono>
#include <thread>

#include "link_fixture.h"

namespace varnolux {
namespace {

class LinkFailures : public LinkFixture {};

TEST_F(LinkFailures, AFailingCallIsReportedOnceUntilItWorksAgain) {
    port.failWait = 50;
    for (int i = 0; i < 50; ++i) LinkTurn(link);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "LinkThreadMain WaitCommEvent failed 5");
    EXPECT_EQ(sleptMs, 50 * 100);  // each failing turn pauses
    port.Feed("c");
    LinkTurn(link);  // the wait works again
    EXPECT_EQ(port.WrittenText(), "h");
    port.failWait = 1;
    LinkTurn(link);
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(LinkFailures, EachAnswerNamesItsCall) {
    port.failWrite = 3;
    Send("c");
    Send(DataPacket(0x10, {1}));
    Send(Packet({MT_PORT}));
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"LinkThreadMain Write SyncAck failed 5",
                                        "LinkThreadMain Ack/Nak failed for MT_DATA 5",
                                        "LinkThreadMain Ack/Nak failed for MT_PORT 5"}));
}

// The line pulled in the middle of a packet: the read comes back short and the
// answer cannot be written. One message tells it, not one per failed call.
TEST_F(LinkFailures, ALinePulledInAPacketGivesOneMessage) {
    port.Feed(std::vector<uint8_t>{kStx, MT_DATA, 3, 0x00, 0x20, 1, 2});
    port.failWrite = 100;
    LinkTurn(link);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"LinkThreadMain Read packet size wrong 0"});
    for (int i = 0; i < 20; ++i) LinkTurn(link);  // nothing more arrives
    EXPECT_EQ(prompts.shown.size(), 1u);
}

// A character event without a character, again and again (a closed
// pseudo-terminal under Wine): the thread pauses instead of spinning, and the
// first byte that arrives ends the pauses.
TEST_F(LinkFailures, RepeatedEmptyWakesPauseTheThread) {
    for (int i = 0; i < 25; ++i) LinkTurn(link);
    EXPECT_EQ(sleptMs, 17 * 10 + 6 * 100);  // short pauses from the 3rd, long from the 20th
    EXPECT_TRUE(prompts.shown.empty());
    port.Feed("c");
    LinkTurn(link);
    EXPECT_EQ(port.WrittenText(), "h");
    LinkTurn(link);
    EXPECT_EQ(sleptMs, 17 * 10 + 6 * 100) << "a byte ends the pauses";
}

TEST_F(LinkFailures, FailedSingleReadIsTakenAsNothing) {
    port.failRead = 1;
    port.Feed("c");
    LinkTurn(link);
    EXPECT_EQ(port.WrittenText(), "");
    EXPECT_EQ(prompts.shown.size(), 1u);
    LinkTurn(link);
    EXPECT_EQ(port.WrittenText(), "h");
}

TEST_F(LinkFailures, CallsCutShortByTheStopShowNothing) {
    // The program closes while the packet is read: the read comes back short.
    port.onIdle = [this](int) { session.run.LinkStopRequest = 1; };
    port.Feed(std::vector<uint8_t>{kStx});
    LinkTurn(link);
    EXPECT_TRUE(prompts.shown.empty());  // no "Read packet size wrong" box
}

// A port whose wait blocks until a byte is queued or the port is woken.
class BlockingPort : public MemorySerialPort {
  public:
    bool WaitCharEvent() override {
        while (!woken.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    }
    void Wake() override { woken = true; }
    std::atomic<bool> woken{false};
};

TEST_F(LinkFailures, StopEndsAThreadBlockedWaitingForACharacter) {
    BlockingPort blocking;
    auto thread = StartLinkThread(session, seams, blocking);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(thread->Running());
    EXPECT_TRUE(thread->Stop());
    EXPECT_FALSE(thread->Running());
    EXPECT_EQ(session.run.LinkStopRequest.load(), 1);
    EXPECT_TRUE(prompts.shown.empty());  // the ended wait is no failure
}

}  // namespace
}  // namespace varnolux
