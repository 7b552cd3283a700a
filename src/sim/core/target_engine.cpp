#include "sim/core/target_engine.h"

#include "link/line/protocol.h"
#include "link/modify/apply.h"
#include "link/packets/crc8.h"
#include "link/packets/host_packet.h"

namespace varnolux::sim {

TargetEngine::TargetEngine(TargetProgram program, SimOptions options)
    : program_(std::move(program)),
      options_(options),
      firmware_(MakeFirmware(program_)),
      memory_(PowerOnMemory(program_)),
      random_(options.seed) {}

void TargetEngine::Log(const std::string& line) {
    if (log) log(line);
}

std::vector<uint8_t> TargetEngine::TakeOutput() {
    std::vector<uint8_t> out;
    out.swap(output_);
    return out;
}

void TargetEngine::Send(const SimPacket& packet, bool mayCorrupt) {
    SimPacket p = packet;
    if (mayCorrupt && options_.crcErrorRate > 0 &&
        std::uniform_real_distribution<double>(0.0, 1.0)(random_) < options_.crcErrorRate)
        p[31] ^= 0x5A;
    output_.insert(output_.end(), p.begin(), p.end());
}

void TargetEngine::Tick(int64_t now) {
    if (now < deadline_) return;
    switch (state_) {
        case State::Running:
            if (program_.dumpPoints.empty() || Finished()) {
                deadline_ = now + 1000;
                return;
            }
            ArriveAtDumpPoint(now);
            return;
        case State::Silent:
            Log("silence ends");
            state_ = State::Running;
            deadline_ = now;
            Tick(now);
            return;
        case State::AwaitSync:
            SendSync(now);
            return;
        case State::AwaitPacketAnswer:
            SendPacket(now);
            return;
        case State::AwaitQueryAnswer:
            SendQuery(now);
            return;
        case State::Pulled:
            return;
    }
}

void TargetEngine::ArriveAtDumpPoint(int64_t now) {
    ++arrivals_;
    lastDumpId_ = firmware_->RunToNextDumpPoint(memory_);
    ApplyScenario(options_.scenario, memory_);
    Log("dump point " + std::to_string(lastDumpId_));
    if (options_.garbageEvery > 0 && arrivals_ % options_.garbageEvery == 0) SendGarbage();
    if (options_.neverSync) {
        BuildPackets();
        SendPacket(now);
    } else {
        SendSync(now);
    }
}

void TargetEngine::BuildPackets() {
    packets_ = DumpPackets(program_, memory_);
    Log(PortsLine(memory_));
    if (options_.overlongEvery > 0 && arrivals_ % options_.overlongEvery == 0)
        packets_.insert(packets_.begin(), MakePacket(MT_DATA, {27, 0x00, 0x00}));
    if (options_.unknownEvery > 0 && arrivals_ % options_.unknownEvery == 0)
        packets_.insert(packets_.begin(), MakePacket(0x1F, {1, 2, 3}));
    EndFacts end;
    end.dumpId = lastDumpId_;
    for (const SimDumpPoint& point : program_.dumpPoints)
        if (point.id == lastDumpId_) end.waits = point.waits;
    end.versionMajor = options_.protocolMajor;
    end.romCheckResult = romCheckResult_;
    packets_.push_back(EndPacket(program_, end));
    next_ = 0;
}

void TargetEngine::SendGarbage() {
    // Noise between units: any byte but those that start a unit, which the
    // host would take for the target's own.
    const size_t length = 16 + random_() % 49;
    for (size_t i = 0; i < length; ++i) {
        uint8_t b = kStx;
        while (b == kStx || b == kSync || b == kQuery) b = static_cast<uint8_t>(random_());
        output_.push_back(b);
    }
    Log("garbage " + std::to_string(length));
}

void TargetEngine::SendSync(int64_t now) {
    output_.push_back(kSync);
    state_ = State::AwaitSync;
    deadline_ = now + options_.answerTimeoutMs;
}

void TargetEngine::SendPacket(int64_t now) {
    if (options_.pullAfter > 0 && completed_ >= options_.pullAfter && next_ < packets_.size()) {
        const SimPacket& p = packets_[next_];
        output_.insert(output_.end(), p.begin(), p.begin() + p.size() / 2);
        state_ = State::Pulled;
        Log("line pulled");
        return;
    }
    // Packets the host never answers (over-long, unknown type) go out once and
    // the next packet follows at once.
    while (next_ < packets_.size()) {
        const SimPacket& p = packets_[next_];
        const bool answered = (p[1] != MT_DATA || p[2] <= kMaxPacketData) &&
                              (p[1] == MT_DATA || p[1] == MT_NullBlock || p[1] == MT_EEPROM ||
                               p[1] == MT_FFBlock || p[1] == MT_PORT || p[1] == MT_ENDDATA);
        Send(p, answered);
        if (answered) break;
        ++next_;
    }
    state_ = State::AwaitPacketAnswer;
    deadline_ = now + options_.answerTimeoutMs;
}

void TargetEngine::SendQuery(int64_t now) {
    output_.push_back(kQuery);
    state_ = State::AwaitQueryAnswer;
    deadline_ = now + options_.answerTimeoutMs;
}

void TargetEngine::Restart(int64_t now) {
    Log("restart");
    memory_ = PowerOnMemory(program_);
    arrivals_ = 0;
    firmware_->Restart();
    state_ = State::Running;
    deadline_ = now + options_.runMs;
}

void TargetEngine::HandleRequest(int64_t now) {
    const std::vector<uint8_t> r = request_;
    request_.clear();
    const bool crcOk = Crc8(r.data(), 10) == r[10];
    static const char* const kNames[] = {"MT_ROMCHECK", "MT_PORT", "MT_MODIFY", "MT_RESET"};
    const std::string name =
        r[2] >= MT_ROMCHECK && r[2] <= MT_RESET ? kNames[r[2] - MT_ROMCHECK] : std::to_string(r[2]);
    const State from = requestFrom_;
    if (crcOk && r[1] == kHostPacketSize) {
        HostPayload payload{};
        for (size_t i = 0; i < payload.size(); ++i) payload[i] = r[3 + i];
        if (r[2] == MT_ROMCHECK) {
            const RomReference& rom = program_.rom;
            const int32_t held = options_.romMismatch ? (rom.firstWord ^ 0xFFFF) : rom.firstWord;
            const int32_t asked = (payload[3] << 8) | payload[4];
            const int32_t askedAddress = (payload[1] << 8) | payload[2];
            romCheckResult_ = (asked == held && askedAddress == (rom.address & 0xFFFF)) ? 1 : 0;
            if (payload[0] == 4 &&
                ((payload[5] << 8) | payload[6]) != (program_.rom.secondWord & 0xFFFF))
                romCheckResult_ = 0;
        } else if (r[2] == MT_MODIFY) {
            ApplyModifyToRam(payload, memory_.ram.data(), memory_.ram.size());
        }
    }
    Log("request " + name + (crcOk ? " crc ok" : " crc wrong"));
    if (crcOk && r[2] == MT_RESET) {
        Restart(now);
        return;
    }
    // The target is still at its dump point and asks again.
    if (from == State::AwaitQueryAnswer)
        SendQuery(now);
    else
        SendSync(now);
}

void TargetEngine::Receive(uint8_t byte, int64_t now) {
    if (!request_.empty()) {
        request_.push_back(byte);
        if (request_.size() == kHostPacketSize) HandleRequest(now);
        return;
    }
    switch (state_) {
        case State::AwaitSync:
            if (byte == kSyncAck) {
                BuildPackets();
                SendPacket(now);
            } else if (byte == kStx) {
                requestFrom_ = state_;
                request_.push_back(byte);
            }
            return;
        case State::AwaitPacketAnswer:
            if (byte == kAck) {
                ++next_;
                if (next_ < packets_.size())
                    SendPacket(now);
                else
                    SendQuery(now);
            } else if (byte == kNak) {
                SendPacket(now);
            }
            return;
        case State::AwaitQueryAnswer:
            if (byte == kWaitAck) {
                ++completed_;
                state_ = State::Running;
                deadline_ = now + options_.runMs;
                if (options_.silenceAfter > 0 && completed_ == options_.silenceAfter) {
                    Log("silence");
                    state_ = State::Silent;
                    // The clock counts whole milliseconds: one more makes the
                    // silence last at least silenceMs.
                    deadline_ = now + options_.silenceMs + 1;
                }
                if (Finished()) Log("finished");
            } else if (byte == kWaitNak) {
                state_ = State::AwaitQueryAnswer;
                deadline_ = now + options_.repeatQueryMs;
            } else if (byte == kStx) {
                requestFrom_ = state_;
                request_.push_back(byte);
            }
            return;
        default:
            return;
    }
}

}  // namespace varnolux::sim
