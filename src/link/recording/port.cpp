#include "link/recording/port.h"

#include <chrono>
#include <thread>

#include "link/line/protocol.h"

namespace varnolux {

namespace {
// A target that streams without ever asking "d" still reaches the file.
constexpr size_t kFlushAbove = 64 * 1024;
}  // namespace

std::function<int64_t()> WallClockUs() {
    using namespace std::chrono;
    const int64_t wallAtStart =
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    const steady_clock::time_point start = steady_clock::now();
    return [wallAtStart, start] {
        return wallAtStart + duration_cast<microseconds>(steady_clock::now() - start).count();
    };
}

RecordingPort::RecordingPort(SerialPort& inner, HostOs& os, std::function<int64_t()> nowUs)
    : ForwardingPort(inner), os_(os), nowUs_(std::move(nowUs)) {
    lastEventUs_ = nowUs_();
}

RecordingPort::~RecordingPort() {
    Stop();
}

bool RecordingPort::Start(const std::string& path, const RecordingFacts& facts) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (recording_) FlushLocked();
    recording_ = false;
    pending_.clear();
    around_.reset();
    if (!os_.WriteFile(path, RecordingHeader(facts))) return false;
    path_ = path;
    recording_ = true;
    writeFailed_ = false;
    return true;
}

bool RecordingPort::StartAround(const std::string& path, const RecordingFacts& facts, int keep) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (recording_) FlushLocked();
    pending_.clear();
    around_ = std::make_unique<AroundRecording>(os_, path, facts, keep);
    path_ = path;
    recording_ = true;
    writeFailed_ = false;
    return true;
}

void RecordingPort::Trigger(int pre, int post, std::vector<std::string> notes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (recording_ && around_) around_->Trigger(pre, post, std::move(notes), baud_.load());
}

std::vector<std::string> RecordingPort::AroundFiles() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return around_ ? around_->Files() : std::vector<std::string>();
}

bool RecordingPort::Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!recording_) return !writeFailed_.load();
    // Around mode keeps only whole transactions: the one in progress is let go.
    const bool ok = around_ ? !writeFailed_.load() : FlushLocked();
    recording_ = false;
    return ok;
}

bool RecordingPort::Recording() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return recording_;
}

std::string RecordingPort::Path() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return path_;
}

LinkClock RecordingPort::Clock() const {
    LinkClock clock = SystemLinkClock();
    const std::atomic<int64_t>* last = &lastEventUs_;
    clock.nowNs = [last] { return last->load() * 1000; };
    return clock;
}

void RecordingPort::Configure(int baud, const SerialTimeouts& timeouts) {
    baud_ = baud;
    inner_.Configure(baud, timeouts);
}

bool RecordingPort::Read(uint8_t* buffer, int want, int& count) {
    const bool ok = inner_.Read(buffer, want, count);
    // A failed read hands the link no bytes and is not kept.
    if (ok) Keep(ChunkDirection::Inbound, buffer, count);
    return ok;
}

bool RecordingPort::WriteByte(uint8_t byte) {
    const bool ok = inner_.WriteByte(byte);
    if (ok) Keep(ChunkDirection::Outbound, &byte, 1);
    return ok;
}

void RecordingPort::Keep(ChunkDirection direction, const uint8_t* bytes, int count) {
    const int64_t now = nowUs_();
    lastEventUs_ = now;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!recording_) return;
    RecordedChunk chunk;
    chunk.timeUs = now;
    chunk.direction = direction;
    chunk.bytes.assign(bytes, bytes + count);
    AppendChunkBlock(pending_, chunk);
    const bool endOfTransaction = direction == ChunkDirection::Outbound && lastInbound_ == kQuery;
    if (direction == ChunkDirection::Inbound && count > 0) lastInbound_ = bytes[count - 1];
    if (endOfTransaction || pending_.size() > kFlushAbove) FlushLocked();
}

bool RecordingPort::FlushLocked() {
    if (pending_.empty()) return true;
    const bool ok = around_ ? around_->EndTransaction(pending_) : os_.AppendFile(path_, pending_);
    pending_.clear();
    if (!ok) {
        writeFailed_ = true;
        recording_ = false;
    }
    return ok;
}

}  // namespace varnolux
