#include "link/ports/network_port.h"

#include <gtest/gtest.h>

#include "link/line/port_recovery.h"
#include "link/line/serial_link.h"
#include "link/thread/link_thread.h"
#include "support/memory_link_rig.h"
#include "support/rfc2217_peer.h"

namespace varnolux {
namespace {

constexpr uint8_t IAC = 255, WILL = 251, WONT = 252, DO = 253, DONT = 254, SB = 250, SE = 240;

PortAddress Address(const char* text) {
    return ReadPortAddress(text).address;
}

class NetworkPortTest : public ::testing::Test, protected MemoryLinkRig {
  protected:
    explicit NetworkPortTest(const char* address = "rfc2217://127.0.0.1:4000") {
        auto owned = std::make_unique<MemorySocket>();
        socket = owned.get();
        net = std::make_unique<NetworkPort>(std::move(owned), Address(address));
        link.clock.sleepMs = [](int) {};
    }
    std::vector<uint8_t> ReadAll() {
        std::vector<uint8_t> got(64);
        int count = 0;
        EXPECT_TRUE(net->Read(got.data(), 64, count));
        got.resize(static_cast<size_t>(count));
        return got;
    }
    // The bytes the port sent after `from`.
    std::vector<uint8_t> SentSince(size_t from) const {
        return std::vector<uint8_t>(socket->sent.begin() + static_cast<long>(from),
                                    socket->sent.end());
    }

    MemorySocket* socket = nullptr;
    std::unique_ptr<NetworkPort> net;
};

TEST_F(NetworkPortTest, OpeningAsksForComPortOptionAndBinaryData) {
    Rfc2217Peer peer(*socket);
    ASSERT_TRUE(net->Open(0));
    EXPECT_EQ(socket->connectedTo, "127.0.0.1:4000");
    const std::vector<std::vector<uint8_t>> asked = {
        {IAC, WILL, 0}, {IAC, DO, 0}, {IAC, WILL, 3}, {IAC, DO, 3}, {IAC, WILL, 44}};
    EXPECT_EQ(peer.options, asked);
    EXPECT_TRUE(net->SetsRate());
}

TEST_F(NetworkPortTest, EachConfigureSetsTheServersLineTo8N1WithoutFlowControl) {
    Rfc2217Peer peer(*socket);
    ASSERT_TRUE(net->Open(0));
    net->Configure(19200, SerialTimeouts());
    const std::vector<std::pair<uint8_t, std::vector<uint8_t>>> line = {
        {1, {0x00, 0x00, 0x4B, 0x00}},
        {2, {8}},
        {3, {1}},
        {4, {1}},
        {5, {1}},
        {5, {14}},
        {5, {9}},
        {5, {12}}};
    EXPECT_EQ(peer.commands, line);
    EXPECT_EQ(net->ServerRate(), 19200u);
    EXPECT_TRUE(peer.data.empty());  // none of it is data for the target
}

TEST_F(NetworkPortTest, TargetIacArrivesAsOneByteEvenWhenSplitAcrossReceives) {
    Rfc2217Peer peer(*socket);
    ASSERT_TRUE(net->Open(0));
    socket->chunk = 1;
    peer.FromTarget({'c', 0xFF, 0x02, 0xFF});
    EXPECT_EQ(ReadAll(), (std::vector<uint8_t>{'c', 0xFF, 0x02, 0xFF}));
}

TEST_F(NetworkPortTest, HostIacIsSentDoubledAndReachesTheTargetOnce) {
    Rfc2217Peer peer(*socket);
    ASSERT_TRUE(net->Open(0));
    const size_t before = socket->sent.size();
    for (uint8_t b : {0x41, 0xFF, 0x00}) ASSERT_TRUE(net->WriteByte(b));
    EXPECT_EQ(SentSince(before), (std::vector<uint8_t>{0x41, IAC, IAC, 0x00}));
    EXPECT_EQ(peer.data, (std::vector<uint8_t>{0x41, 0xFF, 0x00}));
}

// The server's own negotiation: each is answered as it should be, and none of
// it reaches the dump protocol as data.
TEST_F(NetworkPortTest, ServerNegotiationIsAnsweredAndNeverReadAsData) {
    struct Case {
        std::vector<uint8_t> server;
        std::vector<uint8_t> answer;
    };
    const Case cases[] = {
        {{IAC, WILL, 1}, {IAC, DONT, 1}},         // echo: refused, the target's bytes stay its own
        {{IAC, DO, 24}, {IAC, WONT, 24}},         // terminal type: refused
        {{IAC, WILL, 44}, {IAC, DONT, 44}},       // a server that offers the client's option
        {{IAC, DO, 44}, {}},                      // the agreement asked for: no answer
        {{IAC, WILL, 3}, {}},                     // asked for as well
        {{IAC, DONT, 0}, {}},                     // binary refused after we asked: taken
        {{IAC, 241}, {}},                         // NOP
        {{IAC, SB, 24, 1, IAC, SE}, {}},          // a subnegotiation of another option
        {{IAC, SB, 44, 107, 0x30, IAC, SE}, {}},  // a modem state notice
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.server));
        auto owned = std::make_unique<MemorySocket>();
        MemorySocket& s = *owned;
        NetworkPort port(std::move(owned), Address("rfc2217://127.0.0.1:4000"));
        s.Feed({IAC, DO, 44});
        ASSERT_TRUE(port.Open(0));
        const size_t before = s.sent.size();
        s.Feed(c.server);
        s.Feed({'d'});
        std::vector<uint8_t> got(8);
        int count = 0;
        ASSERT_TRUE(port.Read(got.data(), 8, count));
        got.resize(static_cast<size_t>(count));
        EXPECT_EQ(got, std::vector<uint8_t>{'d'});
        EXPECT_EQ(std::vector<uint8_t>(s.sent.begin() + static_cast<long>(before), s.sent.end()),
                  c.answer);
    }
}

TEST_F(NetworkPortTest, AutomaticDetectionSetsEveryRateItTriesOnTheServer) {
    Rfc2217Peer peer(*socket);
    // The target talks at 19200: only then does a "c" come through.
    socket->onIdle = [&] {
        if (!peer.rates.empty() && peer.rates.back() == 19200) peer.FromTarget({'c'});
    };
    session.settings.Baud = 0;
    EXPECT_EQ(OpenLink(session, seams, *net, link.clock), LinkOpen::Opened);
    EXPECT_EQ(peer.rates, (std::vector<uint32_t>{115200, 9600, 57600, 19200}));
    EXPECT_EQ(view.StatusText(2), " rfc2217://127.0.0.1:4000  19200 A");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NetworkPortTest, ARefusedConnectionIsOneMessageNamingHostAndPort) {
    socket->refuse = true;
    EXPECT_EQ(OpenLink(session, seams, *net, link.clock), LinkOpen::PortMissing);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Cannot connect to rfc2217://127.0.0.1:4000 (host 127.0.0.1, TCP port 4000): "
              "Connection refused" +
                  PortAwaitedText("rfc2217://127.0.0.1:4000"));
    EXPECT_FALSE(view.closeRequested);
}

TEST_F(NetworkPortTest, ADroppedConnectionIsToldOnceAndTheWaitThenLastsUntilWake) {
    Rfc2217Peer peer(*socket);
    ASSERT_TRUE(net->Open(0));
    net->Configure(115200, SerialTimeouts());
    socket->peerClosed = true;
    LinkContext onNet{session, seams, *net};
    onNet.clock.sleepMs = [](int) {};
    LinkTurn(onNet);
    socket->Wake();
    session.run.LinkStopRequest = 1;
    LinkTurn(onNet);  // returns: the wait ends with the stop, no second message
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "The connection to rfc2217://127.0.0.1:4000 was closed");
    int count = -1;
    uint8_t byte = 0;
    EXPECT_TRUE(net->Read(&byte, 1, count));  // a hung-up line: nothing arrives
    EXPECT_EQ(count, 0);
}

TEST_F(NetworkPortTest, AServerThatRefusesComPortOptionKeepsItsRateAndSaysSo) {
    // The rate asked, then detection: neither is tried on a server that does not take it.
    for (const int baud : {19200, 0}) {
        SCOPED_TRACE(baud);
        auto owned = std::make_unique<MemorySocket>();
        MemorySocket& s = *owned;
        NetworkPort port(std::move(owned), Address("rfc2217://127.0.0.1:4000"));
        Rfc2217Peer peer(s, false);
        s.onIdle = [&peer] { peer.FromTarget({'d'}); };
        session.settings.Baud = baud;
        EXPECT_EQ(OpenLink(session, seams, port, link.clock), LinkOpen::Opened);
        EXPECT_TRUE(peer.rates.empty());
        EXPECT_FALSE(port.SetsRate());
        EXPECT_EQ(view.StatusText(2), " rfc2217://127.0.0.1:4000  Baud=" + std::to_string(baud) +
                                          " not applied: the server does not take the rate");
        EXPECT_EQ(view.StatusText(0), " Waiting for comms");
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NetworkPortTest, AServerThatClosesWhileTheLinkOpensIsToldAsTheClose) {
    // ser2net still busy with a connection before: it agrees, says so and closes.
    const std::string busy = "Port already in use\r\n";
    socket->Feed({IAC, DO, 44});
    socket->Feed(std::vector<uint8_t>(busy.begin(), busy.end()));
    socket->peerClosed = true;
    session.settings.Baud = 0;
    EXPECT_EQ(OpenLink(session, seams, *net, link.clock), LinkOpen::PortMissing);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "The connection to rfc2217://127.0.0.1:4000 was closed" +
                                         PortAwaitedText("rfc2217://127.0.0.1:4000"));
}

class RawTcpPortTest : public NetworkPortTest {
  protected:
    RawTcpPortTest() : NetworkPortTest("tcp://127.0.0.1:2000") {}
};

TEST_F(RawTcpPortTest, BytesPassAsTheyAreAndTheRateIsTheServers) {
    session.settings.Baud = 19200;
    socket->onIdle = [this] { socket->Feed({'d'}); };
    EXPECT_EQ(OpenLink(session, seams, *net, link.clock), LinkOpen::Opened);
    EXPECT_TRUE(socket->sent.empty());  // no Telnet, no rate
    EXPECT_EQ(view.StatusText(2), " tcp://127.0.0.1:2000  server's rate, Baud=19200 not applied");
    socket->onIdle = nullptr;
    socket->Feed({0xFF, 0xFF});
    EXPECT_EQ(ReadAll(), (std::vector<uint8_t>{0xFF, 0xFF}));
    ASSERT_TRUE(net->WriteByte(0xFF));
    EXPECT_EQ(socket->sent, std::vector<uint8_t>{0xFF});
}

TEST_F(RawTcpPortTest, NoRateIsDetectedOnIt) {
    session.settings.Baud = 0;
    socket->onIdle = [this] { socket->Feed({'c'}); };
    EXPECT_EQ(OpenLink(session, seams, *net, link.clock), LinkOpen::Opened);
    EXPECT_EQ(view.StatusText(2), " tcp://127.0.0.1:2000  server's rate");
    EXPECT_EQ(view.StatusText(0), " Waiting for comms");
}

}  // namespace
}  // namespace varnolux
