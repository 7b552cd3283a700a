#pragma once
// A port that says on stderr, when it opens, where the log waits for the
// target, and once that its server does not take the rate. The link's own
// open tells it: a check of its own would connect twice within a millisecond,
// and a serial server (ser2net) still busy with the first connection turns
// the second away.
#include <string>

#include "seams/forwarding_port.h"

namespace varnolux::cli {

class OpenNoticePort : public ForwardingPort {
  public:
    explicit OpenNoticePort(SerialPort& inner) : ForwardingPort(inner) {}

    // The port is `portName` and the rate asked `baud`; with `sayWaiting` the
    // next open that succeeds says that the log waits there for the target.
    // Before the link thread starts.
    void Arm(const std::string& portName, int baud, bool sayWaiting);
    void Disarm() { sayWaiting_ = false; }

    bool Open(int portNumber) override;

  private:
    std::string portName_;
    int baud_ = 0;
    bool sayWaiting_ = false;
    bool refusalTold_ = false;
};

}  // namespace varnolux::cli
