#include "link/line/port_recovery.h"

#include "link_fixture.h"
#include "seams/main_ids.h"

namespace varnolux {
namespace {

class PortRecoveryTest : public LinkFixture {
  protected:
    PortRecoveryTest() {
        link.reconnect = true;
        session.settings.Port = 3;
        session.settings.Baud = 0;
        // The target, once back, talks at 57600 only.
        port.onIdle = [this](int baud) {
            if (baud == 57600) port.input.push_back(kSync);
        };
    }
};

TEST_F(PortRecoveryTest, APulledLineIsToldOnTheStatusBarAndTriedOnceASecondUntilItIsBack) {
    session.run.TargetWaiting = 1;  // held at a dump point when the line went
    port.failArm = 1;               // the turn finds the line gone
    LinkTurn(link);
    ASSERT_TRUE(LineLost(link));
    port.failOpen = 4;  // four tries find no port
    sleptMs = 0;
    ASSERT_TRUE(WaitForPort(link));
    EXPECT_TRUE(prompts.shown.empty()) << "no box for the lost line nor for any try";
    EXPECT_EQ(view.StatusText(2), " COM3  57600 A");
    EXPECT_EQ(view.StatusText(0), " Waiting for comms");
    // Four seconds of tries, then the detection's reads; no busy loop.
    EXPECT_GE(sleptMs, 4000);
    EXPECT_LT(sleptMs, 4000 + 4000);
    EXPECT_EQ(port.configuredRates, (std::vector<int>{115200, 9600, 57600}));
    EXPECT_EQ(session.run.TargetWaiting.load(), 0) << "a held target counts as running";
    EXPECT_EQ(session.run.LinkLost.load(), 0);
    EXPECT_FALSE(LineLost(link));
}

// A port that went away is "lost"; one missing since the start is "not there".
TEST_F(PortRecoveryTest, TheWaitingWordIsOnTheStatusBarWhileThePortIsGone) {
    const struct {
        bool seen;
        const char* status;
        int32_t lost;
    } cases[] = {{true, " COM3 lost, waiting", 1}, {false, " COM3 not there yet", 2}};
    for (const auto& c : cases) {
        port.failOpen = 1000000;
        link.portSeen = c.seen;
        session.run.LinkStopRequest = 0;
        int pauses = 0;
        link.clock.sleepMs = [&](int) {
            if (++pauses == 30) session.run.LinkStopRequest = 1;
        };
        EXPECT_FALSE(WaitForPort(link)) << "the stop ends the wait";
        EXPECT_EQ(view.StatusText(0), c.status);
        EXPECT_EQ(session.run.LinkLost.load(), c.lost);
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PortRecoveryTest, WithoutReconnectionALostLineIsReportedOnceAndFlagged) {
    link.reconnect = false;
    port.failArm = 1;
    session.run.LinkStopRequest = 0;
    LinkTurn(link);
    EXPECT_TRUE(LineLost(link));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.rfind("LinkThreadMain SetCommMask failed", 0), 0u);
}

TEST_F(PortRecoveryTest, ATargetThatFallsSilentAfterOpeningKeepsTheWaitGoing) {
    port.onIdle = nullptr;  // the port opens, nobody talks
    int rounds = 0;
    link.clock.sleepMs = [&](int ms) {
        if (ms == 100 && ++rounds == 200) session.run.LinkStopRequest = 1;
    };
    EXPECT_FALSE(WaitForPort(link));
    EXPECT_GE(port.configuredRates.size(), 5u) << "every rate tried";
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace varnolux
