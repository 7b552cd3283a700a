#pragma once
// The Telnet side of a serial port served over the network (RFC 854, with the
// COM-PORT-OPTION of RFC 2217): data bytes with IAC doubled, option
// negotiation, and the subnegotiations that set the server's line.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnolux {

namespace telnet {
constexpr uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250,
                  kSe = 240;
constexpr uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPortOption = 44;
// COM-PORT-OPTION commands of the client; the server answers each with the
// command plus kServerReply.
constexpr uint8_t kSetBaudrate = 1, kSetDatasize = 2, kSetParity = 3, kSetStopsize = 4,
                  kSetControl = 5;
constexpr uint8_t kServerReply = 100;
constexpr uint8_t kParityNone = 1, kStopOne = 1;
// SET-CONTROL values.
constexpr uint8_t kNoFlowOut = 1, kDtrOff = 9, kRtsOff = 12, kNoFlowIn = 14;
}  // namespace telnet

// Appends one data byte as it crosses the connection: IAC is sent twice.
inline void AppendTelnetData(std::vector<uint8_t>& out, uint8_t byte) {
    out.push_back(byte);
    if (byte == telnet::kIac) out.push_back(byte);
}

// IAC SB COM-PORT-OPTION command value IAC SE, the value's IAC bytes doubled.
std::vector<uint8_t> ComPortCommand(uint8_t command, const std::vector<uint8_t>& value);

// The commands that put the server's line at `baud`, 8 data bits, no parity,
// one stop bit, no flow control, DTR and RTS inactive.
std::vector<uint8_t> LineCommands(uint32_t baud);

// One connection's Telnet state, from the client's side.
class TelnetSession {
  public:
    // `comPort`: ask for COM-PORT-OPTION (RFC 2217); else only binary data.
    explicit TelnetSession(bool comPort);

    // What the client sends first: the options it asks for.
    std::vector<uint8_t> Opening();
    // Takes bytes as received: the data among them goes to `data`, the
    // answers the negotiation needs to `reply`. A command cut between two
    // calls is kept until its rest comes.
    void Take(const uint8_t* bytes, size_t size, std::vector<uint8_t>& data,
              std::vector<uint8_t>& reply);

    // The server's answer to COM-PORT-OPTION: still awaited, agreed, or refused.
    bool ComPortPending() const { return us_[telnet::kComPortOption] == Q::WantYes; }
    bool ComPortAgreed() const { return us_[telnet::kComPortOption] == Q::Yes; }
    // SET-BAUDRATE answers so far, and the rate the last one reported.
    int RateAnswers() const { return rateAnswers_; }
    uint32_t ServerRate() const { return serverRate_; }

  private:
    // One side of an option: off, on, or asked for and not yet answered (RFC 1143).
    enum class Q : uint8_t { No, Yes, WantYes };
    enum class State : uint8_t { Data, Iac, Option, Sub, SubIac };

    void Negotiate(uint8_t command, uint8_t option, std::vector<uint8_t>& reply);
    void Subnegotiation();
    // Whether we agree to `option` on our side (DO) or on the server's (WILL).
    bool WeAccept(uint8_t option, bool ourSide) const;

    bool comPort_;
    Q us_[256] = {};   // what we do
    Q him_[256] = {};  // what the server does
    State state_ = State::Data;
    uint8_t command_ = 0;
    std::vector<uint8_t> sub_;
    int rateAnswers_ = 0;
    uint32_t serverRate_ = 0;
};

}  // namespace varnolux
