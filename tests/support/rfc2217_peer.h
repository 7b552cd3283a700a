#pragma once
// The server side of a serial port served by RFC 2217, as ser2net plays it,
// for tests on a MemorySocket: it agrees to COM-PORT-OPTION (or refuses it),
// keeps every command and the rate it sets, answers each command, and sends
// the target's bytes with IAC doubled.
#include <cstdint>
#include <utility>
#include <vector>

#include "seams/memory/memory_socket.h"

namespace varnolux {

class Rfc2217Peer {
  public:
    static constexpr uint8_t IAC = 255, SB = 250, SE = 240, WILL = 251, DO = 253, DONT = 254;

    explicit Rfc2217Peer(MemorySocket& socket, bool agree = true) : socket_(socket), agree_(agree) {
        socket_.onSend = [this](const uint8_t* data, size_t size) {
            for (size_t i = 0; i < size; ++i) Take(data[i]);
        };
    }

    // The target's bytes, as the server passes them on.
    void FromTarget(const std::vector<uint8_t>& bytes) {
        for (uint8_t b : bytes) {
            socket_.input.push_back(b);
            if (b == IAC) socket_.input.push_back(b);
        }
    }

    std::vector<std::pair<uint8_t, std::vector<uint8_t>>> commands;  // COM-PORT-OPTION commands
    std::vector<uint32_t> rates;                                     // each SET-BAUDRATE's rate
    std::vector<uint8_t> data;                                       // the client's data bytes
    std::vector<std::vector<uint8_t>> options;  // the client's WILL/WONT/DO/DONT, each 3 bytes

  private:
    void Take(uint8_t b) {
        held_.push_back(b);
        if (held_[0] != IAC) return Data();
        if (held_.size() < 2) return;
        if (held_[1] == IAC) return Data();
        if (held_[1] != SB) {
            if (held_.size() == 3) Option();
            return;
        }
        if (held_.size() < 5) return;
        // Within the subnegotiation an IAC is either doubled data or the start of IAC SE.
        if (subIac_) {
            subIac_ = false;
            if (b == SE) Sub();
        } else if (b == IAC) {
            subIac_ = true;
        }
    }
    void Data() {
        data.push_back(held_.back());
        held_.clear();
    }
    void Option() {
        options.push_back(held_);
        if (held_[1] == WILL && held_[2] == 44)
            socket_.Feed({IAC, static_cast<uint8_t>(agree_ ? DO : DONT), 44});
        held_.clear();
    }
    // IAC SB 44 command value... IAC SE, the value's doubled IAC made single.
    void Sub() {
        std::vector<uint8_t> value;
        for (size_t i = 4; i + 2 < held_.size(); ++i) {
            value.push_back(held_[i]);
            if (held_[i] == IAC) ++i;
        }
        const uint8_t command = held_[3];
        commands.emplace_back(command, value);
        if (command == 1 && value.size() == 4)
            rates.push_back(uint32_t{value[0]} << 24 | uint32_t{value[1]} << 16 |
                            uint32_t{value[2]} << 8 | value[3]);
        std::vector<uint8_t> answer = {IAC, SB, 44, static_cast<uint8_t>(command + 100)};
        answer.insert(answer.end(), value.begin(), value.end());
        answer.insert(answer.end(), {IAC, SE});
        socket_.Feed(answer);
        held_.clear();
    }

    MemorySocket& socket_;
    bool agree_;
    std::vector<uint8_t> held_;
    bool subIac_ = false;
};

}  // namespace varnolux
