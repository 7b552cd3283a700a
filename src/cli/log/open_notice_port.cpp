#include "cli/log/open_notice_port.h"

#include "cli/console/text.h"
#include "link/line/serial_link.h"

namespace varnolux::cli {

void OpenNoticePort::Arm(const std::string& portName, int baud, bool sayWaiting) {
    portName_ = portName;
    baud_ = baud;
    sayWaiting_ = sayWaiting;
}

bool OpenNoticePort::Open(int portNumber) {
    if (!inner_.Open(portNumber)) return false;
    if (portName_.empty()) return true;
    if (inner_.RateRefused() && !refusalTold_) {
        WriteText(stderr, "varnolux-cli log: " + portName_ + ":" + RateText(inner_, baud_) + "\n");
        refusalTold_ = true;
    }
    if (!sayWaiting_) return true;
    const std::string rate = !inner_.SetsRate()        ? "the server's rate"
                             : !IsSupportedRate(baud_) ? "any rate (automatic detection)"
                                                       : std::to_string(baud_);
    WriteText(stderr, "varnolux-cli log: waiting for the target on " + portName_ + " at " + rate +
                          " (no --timeout: until it talks or the run is interrupted)\n");
    sayWaiting_ = false;
    return true;
}

}  // namespace varnolux::cli
