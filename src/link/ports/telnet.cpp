#include "link/ports/telnet.h"

#include <algorithm>
#include <cstring>

namespace varnolux {

using namespace telnet;

namespace {
// A subnegotiation longer than this is none we read; the rest is dropped.
constexpr size_t kLongestSub = 64;
}  // namespace

std::vector<uint8_t> ComPortCommand(uint8_t command, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> out = {kIac, kSb, kComPortOption, command};
    for (uint8_t b : value) AppendTelnetData(out, b);
    out.push_back(kIac);
    out.push_back(kSe);
    return out;
}

std::vector<uint8_t> LineCommands(uint32_t baud) {
    std::vector<uint8_t> out = ComPortCommand(
        kSetBaudrate, {static_cast<uint8_t>(baud >> 24), static_cast<uint8_t>(baud >> 16),
                       static_cast<uint8_t>(baud >> 8), static_cast<uint8_t>(baud)});
    const std::pair<uint8_t, uint8_t> rest[] = {{kSetDatasize, 8},        {kSetParity, kParityNone},
                                                {kSetStopsize, kStopOne}, {kSetControl, kNoFlowOut},
                                                {kSetControl, kNoFlowIn}, {kSetControl, kDtrOff},
                                                {kSetControl, kRtsOff}};
    for (const auto& [command, value] : rest) {
        const std::vector<uint8_t> one = ComPortCommand(command, {value});
        out.insert(out.end(), one.begin(), one.end());
    }
    return out;
}

TelnetSession::TelnetSession(bool comPort) : comPort_(comPort) {}

bool TelnetSession::WeAccept(uint8_t option, bool ourSide) const {
    if (option == kBinary || option == kSuppressGoAhead) return true;
    // COM-PORT-OPTION is the client's to offer: a server that offers it is refused.
    return ourSide && comPort_ && option == kComPortOption;
}

std::vector<uint8_t> TelnetSession::Opening() {
    std::vector<uint8_t> out;
    auto ask = [&out](Q& side, uint8_t command, uint8_t option) {
        side = Q::WantYes;
        out.insert(out.end(), {kIac, command, option});
    };
    ask(us_[kBinary], kWill, kBinary);
    ask(him_[kBinary], kDo, kBinary);
    ask(us_[kSuppressGoAhead], kWill, kSuppressGoAhead);
    ask(him_[kSuppressGoAhead], kDo, kSuppressGoAhead);
    if (comPort_) ask(us_[kComPortOption], kWill, kComPortOption);
    return out;
}

void TelnetSession::Negotiate(uint8_t command, uint8_t option, std::vector<uint8_t>& reply) {
    const bool aboutUs = command == kDo || command == kDont;
    const bool on = command == kDo || command == kWill;
    Q& side = aboutUs ? us_[option] : him_[option];
    const uint8_t yes = aboutUs ? kWill : kDo;
    const uint8_t no = aboutUs ? kWont : kDont;
    // Only a change of state is answered, so that two parties never loop.
    if (on) {
        if (side == Q::WantYes) {
            side = Q::Yes;
        } else if (side == Q::No) {
            // Only what we asked for or accept is agreed; the rest is refused.
            const bool accept = WeAccept(option, aboutUs);
            side = accept ? Q::Yes : Q::No;
            reply.insert(reply.end(), {kIac, accept ? yes : no, option});
        }
    } else if (side != Q::No) {
        if (side == Q::Yes) reply.insert(reply.end(), {kIac, no, option});
        side = Q::No;
    }
}

void TelnetSession::Subnegotiation() {
    if (sub_.size() >= 2 && sub_[0] == kComPortOption && sub_[1] == kServerReply + kSetBaudrate &&
        sub_.size() >= 6) {
        ++rateAnswers_;
        serverRate_ = static_cast<uint32_t>(sub_[2]) << 24 | static_cast<uint32_t>(sub_[3]) << 16 |
                      static_cast<uint32_t>(sub_[4]) << 8 | sub_[5];
    }
    sub_.clear();
}

void TelnetSession::Take(const uint8_t* bytes, size_t size, std::vector<uint8_t>& data,
                         std::vector<uint8_t>& reply) {
    size_t i = 0;
    while (i < size) {
        const uint8_t b = bytes[i];
        switch (state_) {
            case State::Data: {
                // Plain data up to the next IAC goes over in one piece.
                const void* iac = std::memchr(bytes + i, kIac, size - i);
                const size_t end =
                    iac ? static_cast<size_t>(static_cast<const uint8_t*>(iac) - bytes) : size;
                data.insert(data.end(), bytes + i, bytes + end);
                i = end;
                if (iac) {
                    state_ = State::Iac;
                    ++i;
                }
                continue;
            }
            case State::Iac:
                if (b == kIac) {
                    data.push_back(kIac);
                    state_ = State::Data;
                } else if (b >= kWill) {
                    command_ = b;
                    state_ = State::Option;
                } else {
                    // SB opens a subnegotiation; NOP, GA and the others carry nothing here.
                    state_ = b == kSb ? State::Sub : State::Data;
                }
                break;
            case State::Option:
                Negotiate(command_, b, reply);
                state_ = State::Data;
                break;
            case State::Sub:
                if (b == kIac)
                    state_ = State::SubIac;
                else if (sub_.size() < kLongestSub)
                    sub_.push_back(b);
                break;
            case State::SubIac:
                if (b == kSe) {
                    Subnegotiation();
                    state_ = State::Data;
                } else {
                    if (b == kIac && sub_.size() < kLongestSub) sub_.push_back(b);
                    state_ = State::Sub;
                }
                break;
        }
        ++i;
    }
}

}  // namespace varnolux
