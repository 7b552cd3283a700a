// What a network serial server sends, as the Telnet side of an RFC 2217 port
// takes it: any bytes, cut into reads anywhere. Taken in pieces they give the
// same data and answers as taken whole; answers are well-formed, never more
// than the option commands received, and agree only to the options the client
// takes. A stream built of data, option commands, subnegotiations of any
// length (endless ones too) and bare commands gives back exactly its data and
// its rate reports.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "link/ports/telnet.h"

namespace {

using namespace varnolux;
using namespace varnolux::telnet;

struct Taken {
    std::vector<uint8_t> data, reply;
};

// Feeds `wire` in reads of the sizes `cuts` gives in turn (whole when empty).
Taken Feed(TelnetSession& session, const std::vector<uint8_t>& wire,
           const std::vector<size_t>& cuts) {
    Taken t;
    size_t at = 0;
    for (size_t k = 0; at < wire.size(); ++k) {
        const size_t n =
            cuts.empty() ? wire.size() : std::min(cuts[k % cuts.size()], wire.size() - at);
        session.Take(wire.data() + at, n, t.data, t.reply);
        at += n;
    }
    return t;
}

// Every answer is IAC WILL/WONT/DO/DONT option, at most one per option command
// received, and what is agreed is binary, suppress-go-ahead, or (ours, when
// asked for) COM-PORT-OPTION.
void CheckReplies(const std::vector<uint8_t>& reply, size_t optionCommands, bool comPort) {
    FUZZ_CHECK(reply.size() % 3 == 0);
    FUZZ_CHECK(reply.size() / 3 <= optionCommands);
    for (size_t i = 0; i < reply.size(); i += 3) {
        FUZZ_CHECK(reply[i] == kIac && reply[i + 1] >= kWill);
        const uint8_t option = reply[i + 2];
        const bool common = option == kBinary || option == kSuppressGoAhead;
        if (reply[i + 1] == kWill) FUZZ_CHECK(common || (comPort && option == kComPortOption));
        if (reply[i + 1] == kDo) FUZZ_CHECK(common);
    }
}

std::vector<size_t> Cuts(FuzzedDataProvider& in) {
    std::vector<size_t> cuts(in.ConsumeIntegralInRange<size_t>(1, 8));
    for (size_t& c : cuts) c = in.ConsumeIntegralInRange<size_t>(1, 9);
    return cuts;
}

// Raw bytes as they come: split reads agree with one whole read.
void Raw(FuzzedDataProvider& in, bool comPort) {
    const std::vector<size_t> cuts = Cuts(in);
    const std::vector<uint8_t> wire = in.ConsumeBytes<uint8_t>(in.ConsumeIntegral<uint16_t>());
    TelnetSession whole(comPort), pieces(comPort);
    whole.Opening();
    pieces.Opening();
    const Taken a = Feed(whole, wire, {});
    const Taken b = Feed(pieces, wire, cuts);
    FUZZ_CHECK(a.data == b.data && a.reply == b.reply);
    FUZZ_CHECK(whole.ComPortAgreed() == pieces.ComPortAgreed());
    FUZZ_CHECK(whole.RateAnswers() == pieces.RateAnswers());
    FUZZ_CHECK(whole.ServerRate() == pieces.ServerRate());
    FUZZ_CHECK(a.data.size() <= wire.size());
    size_t iacs = 0;
    for (uint8_t byte : wire) iacs += byte == kIac;
    CheckReplies(a.reply, iacs, comPort);
}

// A stream of known parts: the data and the rate reports come back exactly.
void Built(FuzzedDataProvider& in, bool comPort) {
    const std::vector<size_t> cuts = Cuts(in);
    std::vector<uint8_t> wire, data;
    size_t optionCommands = 0;
    int rates = 0;
    uint32_t lastRate = 0;
    int comPortWord = 0;  // the server's last DO (1) or DONT (-1) on COM-PORT-OPTION
    bool endless = false;
    while (in.remaining_bytes() > 0 && !endless) {
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
            case 0: {  // data
                for (uint8_t b :
                     in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 16))) {
                    AppendTelnetData(wire, b);
                    data.push_back(b);
                }
                break;
            }
            case 1: {  // an option command
                const uint8_t command = in.ConsumeIntegralInRange<uint8_t>(kWill, kDont);
                const uint8_t option = in.ConsumeIntegral<uint8_t>();
                wire.insert(wire.end(), {kIac, command, option});
                ++optionCommands;
                if (option == kComPortOption && command == kDo) comPortWord = 1;
                if (option == kComPortOption && command == kDont) comPortWord = -1;
                break;
            }
            case 2: {  // a subnegotiation, a rate report among them
                std::vector<uint8_t> value =
                    in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 300));
                const bool rate = in.ConsumeBool();
                if (rate)
                    value.insert(value.begin(), {kComPortOption, kServerReply + kSetBaudrate});
                wire.insert(wire.end(), {kIac, kSb});
                for (uint8_t b : value) AppendTelnetData(wire, b);
                wire.insert(wire.end(), {kIac, kSe});
                if (value.size() >= 6 && value[0] == kComPortOption &&
                    value[1] == kServerReply + kSetBaudrate) {
                    ++rates;
                    lastRate = uint32_t{value[2]} << 24 | uint32_t{value[3]} << 16 |
                               uint32_t{value[4]} << 8 | value[5];
                }
                break;
            }
            case 3: {  // a command that carries nothing (NOP, GA, a stray SE ...)
                const uint8_t command = in.ConsumeIntegralInRange<uint8_t>(kSe, kSb - 1);
                wire.insert(wire.end(), {kIac, command});
                break;
            }
            case 4: {  // a subnegotiation that never ends: nothing after it is data
                wire.insert(wire.end(), {kIac, kSb, kComPortOption});
                const size_t length = in.ConsumeIntegralInRange<size_t>(0, 1 << 16);
                wire.insert(wire.end(), length, in.ConsumeIntegral<uint8_t>() & 0x7F);
                endless = true;
                break;
            }
            default:  // an empty read
                break;
        }
    }
    TelnetSession session(comPort);
    session.Opening();
    const Taken t = Feed(session, wire, cuts);
    FUZZ_CHECK(t.data == data);
    FUZZ_CHECK(session.RateAnswers() == rates);
    FUZZ_CHECK(session.ServerRate() == lastRate);
    CheckReplies(t.reply, optionCommands, comPort);
    if (!comPort) FUZZ_CHECK(!session.ComPortAgreed() && !session.ComPortPending());
    if (comPort) {
        FUZZ_CHECK(session.ComPortAgreed() == (comPortWord == 1));
        FUZZ_CHECK(session.ComPortPending() == (comPortWord == 0));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider in(bytes, size);
    const bool comPort = in.ConsumeBool();
    if (in.ConsumeBool())
        Raw(in, comPort);
    else
        Built(in, comPort);
    return 0;
}
