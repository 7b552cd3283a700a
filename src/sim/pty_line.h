#pragma once
// The simulator's end of the serial line: a pseudo-terminal pair whose slave
// the host opens like a serial device.
#include <cstdint>
#include <string>
#include <vector>

namespace varnolux::sim {

class PtyLine {
  public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Opens the pair, makes the slave raw, keeps it open (so the line lives on
    // while hosts come and go) and links it at `linkPath` when given.
    bool Open(const std::string& linkPath, std::string& error);
    const std::string& SlavePath() const { return slavePath_; }

    // The rate the host set on the slave, 0 when unknown.
    int HostRate() const;
    // Waits up to `timeoutMs` for bytes from the host and returns them.
    std::vector<uint8_t> Receive(int timeoutMs);
    void Send(const std::vector<uint8_t>& bytes);

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

}  // namespace varnolux::sim
