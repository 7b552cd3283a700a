#include "link/replay/port.h"

#include <algorithm>

namespace varnolux {

ReplayPort::ReplayPort(const std::vector<RecordedChunk>& chunks, std::string portName)
    : chunks_(chunks), portName_(std::move(portName)) {
    if (!chunks_.empty()) timeUs_ = chunks_.front().timeUs;
}

bool ReplayPort::Exhausted() const {
    for (size_t i = next_; i < chunks_.size(); ++i)
        if (chunks_[i].direction == ChunkDirection::Inbound) return false;
    return true;
}

std::optional<RecordedTurn> ReplayPort::NextTurn() const {
    size_t i = next_;
    while (i < chunks_.size() && chunks_[i].direction == ChunkDirection::Outbound) ++i;
    if (i >= chunks_.size() || offset_ + 1 != chunks_[i].bytes.size()) return std::nullopt;
    RecordedTurn turn;
    turn.byte = chunks_[i].bytes[offset_];
    for (++i; i < chunks_.size() && chunks_[i].direction == ChunkDirection::Outbound; ++i)
        turn.answer.insert(turn.answer.end(), chunks_[i].bytes.begin(), chunks_[i].bytes.end());
    return turn;
}

void ReplayPort::Seek(size_t position, int64_t timeUs) {
    next_ = std::min(position, chunks_.size());
    read_ = next_ > 0;
    offset_ = 0;
    timeUs_ = timeUs;
}

LinkClock ReplayPort::Clock() const {
    LinkClock clock;
    const int64_t* now = &timeUs_;
    clock.nowNs = [now] { return *now * 1000; };
    clock.sleepMs = [](int) {};
    return clock;
}

void ReplayPort::SkipAnswers() {
    while (next_ < chunks_.size() && chunks_[next_].direction == ChunkDirection::Outbound) {
        // The live link wrote here and this one reads; answers before the
        // first target byte answer one from before the recording began.
        if (read_) ++mismatches_;
        timeUs_ = chunks_[next_].timeUs;
        ++next_;
    }
}

bool ReplayPort::WaitCharEvent() {
    SkipAnswers();
    return next_ < chunks_.size();
}

bool ReplayPort::Read(uint8_t* buffer, int want, int& count) {
    count = 0;
    SkipAnswers();
    if (next_ >= chunks_.size()) return true;  // the recording ended: nothing within the time-outs
    const RecordedChunk& chunk = chunks_[next_];
    read_ = true;
    timeUs_ = chunk.timeUs;
    const size_t left = chunk.bytes.size() - offset_;
    const size_t n = std::min(left, static_cast<size_t>(std::max(want, 0)));
    std::copy_n(chunk.bytes.begin() + static_cast<std::ptrdiff_t>(offset_), n, buffer);
    count = static_cast<int>(n);
    offset_ += n;
    if (offset_ >= chunk.bytes.size()) {
        ++next_;
        offset_ = 0;
    }
    return true;
}

bool ReplayPort::WriteByte(uint8_t byte) {
    if (next_ < chunks_.size() && offset_ == 0 &&
        chunks_[next_].direction == ChunkDirection::Outbound) {
        const RecordedChunk& chunk = chunks_[next_];
        if (chunk.bytes.size() != 1 || chunk.bytes[0] != byte) ++mismatches_;
        timeUs_ = chunk.timeUs;
        ++next_;
        return true;
    }
    ++mismatches_;  // an answer the live link did not write
    return true;
}

}  // namespace varnolux
