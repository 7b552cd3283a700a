#pragma once
// The firmware side of the dump protocol: at each dump point "c", the host's
// "h" or request, the packets (resent on "e"), the end packet, then "d" until
// "b". Driven by the bytes the host sends and by the passing of time (in ms).
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sim/core/scenario.h"
#include "sim/core/target_firmware.h"
#include "sim/core/target_memory.h"
#include "sim/core/target_packets.h"
#include "sim/core/target_program.h"

namespace varnolux::sim {

struct SimOptions {
    int32_t runMs = 20;             // time the program runs between dump points
    int32_t answerTimeoutMs = 500;  // no answer: the last unit is sent again
    int32_t repeatQueryMs = 50;     // "a": the next "d" after this pause
    double crcErrorRate = 0.0;      // share of packets sent with a wrong CRC
    int32_t overlongEvery = 0;      // every n-th dump adds an over-long data packet
    int32_t unknownEvery = 0;       // every n-th dump adds a packet of an unknown type
    bool neverSync = false;         // a target that never sends "c"
    uint8_t protocolMajor = 1;
    int32_t silenceAfter = 0;  // after this many dumps the target falls silent ...
    int32_t silenceMs = 0;     // ... for this long, then goes on
    bool romMismatch = false;  // the chip holds other ROM words than the listing's
    int64_t maxDumps = 0;      // 0 = without end; afterwards the target stays silent
    uint32_t seed = 1;
    int32_t garbageEvery = 0;  // every n-th dump is preceded by a burst of line noise
    int64_t pullAfter = 0;     // after this many dumps the line is pulled in mid-packet
    // Values held at fixed addresses whatever the program does (a test's truth).
    std::vector<PlacedValue> scenario;
};

class TargetEngine {
  public:
    TargetEngine(TargetProgram program, SimOptions options);

    // One byte from the host at time `nowMs`.
    void Receive(uint8_t byte, int64_t nowMs);
    // Time passes; the target may start a dump or send again.
    void Tick(int64_t nowMs);
    // The bytes to send since the last call.
    std::vector<uint8_t> TakeOutput();
    // Milliseconds until the engine needs a Tick (for a poll time-out).
    int64_t NextDeadline() const { return deadline_; }

    const TargetMemory& Memory() const { return memory_; }
    const TargetProgram& Program() const { return program_; }
    int64_t CompletedDumps() const { return completed_; }
    int32_t LastDumpId() const { return lastDumpId_; }
    bool Finished() const { return options_.maxDumps > 0 && completed_ >= options_.maxDumps; }
    // Half a packet went out and the line is gone: nothing more is sent.
    bool LinePulled() const { return state_ == State::Pulled; }

    // Events worth a line in the simulator's log ("request MT_ROMCHECK crc ok").
    std::function<void(const std::string&)> log;

  private:
    enum class State { Running, AwaitSync, AwaitPacketAnswer, AwaitQueryAnswer, Silent, Pulled };
    void Log(const std::string& line);
    void ArriveAtDumpPoint(int64_t now);
    void BuildPackets();
    void SendGarbage();
    void SendSync(int64_t now);
    void SendPacket(int64_t now);
    void SendQuery(int64_t now);
    void Send(const SimPacket& packet, bool mayCorrupt);
    void HandleRequest(int64_t now);
    void Restart(int64_t now);

    TargetProgram program_;
    SimOptions options_;
    std::unique_ptr<TargetFirmware> firmware_;
    TargetMemory memory_;
    std::mt19937 random_;
    State state_ = State::Running;
    int64_t deadline_ = 0;
    std::vector<uint8_t> output_;
    std::vector<SimPacket> packets_;  // of the current dump, the end packet last
    size_t next_ = 0;                 // packet awaiting its answer
    std::vector<uint8_t> request_;    // host request being received
    State requestFrom_ = State::Running;
    int64_t arrivals_ = 0;
    int64_t completed_ = 0;
    int32_t lastDumpId_ = -1;
    uint8_t romCheckResult_ = 1;
};

}  // namespace varnolux::sim
