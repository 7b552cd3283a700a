#pragma once
// A serial port that plays a recording back: each read hands the link the next
// recorded target chunk, each written byte is taken and compared with the
// answer the recording holds. Its clock stands at the time of the chunk last
// played, so the link measures the run times the live session measured.
#include <cstddef>
#include <optional>
#include <vector>

#include "link/line/link_clock.h"
#include "link/recording/file.h"
#include "seams/serial_port.h"

namespace varnolux {

// The target byte the link reads next and what the live link wrote in answer
// to it (the outbound chunks that follow it), when the byte ends its chunk.
struct RecordedTurn {
    uint8_t byte = 0;
    std::vector<uint8_t> answer;
};

class ReplayPort : public SerialPort {
  public:
    ReplayPort(const std::vector<RecordedChunk>& chunks, std::string portName);

    // No target chunk left to hand out.
    bool Exhausted() const;
    // Written bytes that were not the recorded answer at that place.
    int Mismatches() const { return mismatches_; }
    // Where the next chunk is taken from; a copy of the port at that point
    // plays on from there.
    size_t Position() const { return next_; }
    void Seek(size_t position, int64_t timeUs);
    int64_t TimeUs() const { return timeUs_; }
    // The next turn as it was recorded; none when no target byte is left or
    // the next one is not the last of its chunk.
    std::optional<RecordedTurn> NextTurn() const;

    // Now is the time of the last chunk played; pauses take no time.
    LinkClock Clock() const;

    bool Open(int) override { return true; }
    bool ReadLineSettings() override { return true; }
    void Configure(int baud, const SerialTimeouts&) override { baud_ = baud; }
    void PurgeReceive() override {}
    void ClearErrors() override {}
    bool ArmCharEvent() override { return true; }
    // True while target bytes are left; recorded answers the link did not
    // write are passed over.
    bool WaitCharEvent() override;
    bool Read(uint8_t* buffer, int want, int& count) override;
    bool WriteByte(uint8_t byte) override;
    uint32_t LastError() const override { return 0; }
    std::vector<std::string> ListPorts() const override { return {portName_}; }
    std::string PortName(int) const override { return portName_; }
    void Wake() override {}
    int Baud() const { return baud_; }

  private:
    void SkipAnswers();

    const std::vector<RecordedChunk>& chunks_;
    std::string portName_;
    size_t next_ = 0;
    size_t offset_ = 0;  // bytes of chunks_[next_] already handed out
    int64_t timeUs_ = 0;
    int mismatches_ = 0;
    bool read_ = false;  // a target chunk was handed out
    int baud_ = 0;
};

}  // namespace varnolux
