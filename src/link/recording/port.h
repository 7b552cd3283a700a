#pragma once
// A serial port that writes what crosses it into a session recording: it
// forwards every call to the port it wraps and, while a recording is on, keeps
// each read and each written byte with its time and direction. The blocks go
// to the file at the end of every transaction (the host's answer to "d"), so a
// crash loses at most the transaction in progress.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/line/link_clock.h"
#include "link/recording/around_recording.h"
#include "link/recording/file.h"
#include "seams/forwarding_port.h"
#include "seams/host_os.h"

namespace varnolux {

// Microseconds since 1970 that never go backwards within the run.
std::function<int64_t()> WallClockUs();

class RecordingPort : public ForwardingPort {
  public:
    RecordingPort(SerialPort& inner, HostOs& os, std::function<int64_t()> nowUs = WallClockUs());
    ~RecordingPort() override;
    RecordingPort(const RecordingPort&) = delete;
    RecordingPort& operator=(const RecordingPort&) = delete;

    // Starts a new file with the header of `facts`; false when it cannot be written.
    bool Start(const std::string& path, const RecordingFacts& facts);
    // Records only around the firings of stop rules: the last `keep`
    // transactions stay in memory, and each Trigger writes a numbered file
    // beside `path` (see AroundRecording).
    bool StartAround(const std::string& path, const RecordingFacts& facts, int keep);
    // The transaction in progress fired a rule (around mode only).
    void Trigger(int pre, int post, std::vector<std::string> notes);
    // The files the triggers wrote.
    std::vector<std::string> AroundFiles() const;
    // Writes what is kept and ends the recording; false when a write failed.
    bool Stop();
    bool Recording() const;
    std::string Path() const;
    // True once a write of the file failed; the recording then ended.
    bool WriteFailed() const { return writeFailed_.load(); }

    // The link's clock: the time of the latest read or write on the port, so
    // the run times the link measures are the ones the recording holds.
    LinkClock Clock() const;

    void Configure(int baud, const SerialTimeouts& timeouts) override;
    bool Read(uint8_t* buffer, int want, int& count) override;
    bool WriteByte(uint8_t byte) override;

    // The rate last configured, 0 before the first.
    int Baud() const { return baud_.load(); }

  private:
    void Keep(ChunkDirection direction, const uint8_t* bytes, int count);
    bool FlushLocked();

    HostOs& os_;
    std::function<int64_t()> nowUs_;
    std::atomic<int64_t> lastEventUs_{0};
    std::atomic<int> baud_{0};
    std::atomic<bool> writeFailed_{false};

    mutable std::mutex mutex_;  // the fields below: the link thread writes, the UI starts and stops
    bool recording_ = false;
    std::string path_;
    std::string pending_;  // blocks not yet in the file
    uint8_t lastInbound_ = 0;
    std::unique_ptr<AroundRecording> around_;  // set in around mode
};

}  // namespace varnolux
